// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/instanceguard.h"

#include "core/identity.h"
#include "core/raiserequest.h"

#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace planetarch {

using namespace Qt::StringLiterals;

// The socket the running copy listens on, the notifier that hears callers, and the callers being
// read (its children).
struct InstanceGuard::Held
{
    int socket = -1;
    std::unique_ptr<QSocketNotifier> listener;
    std::unique_ptr<QObject> callers;

    ~Held()
    {
        callers.reset();
        listener.reset();
        ::close(socket);
    }
};

// "example.planetarch.Planetarch.1000": the abstract name for this user.
QString InstanceGuard::name()
{
    return identity::ApplicationId + u'.' + QString::number(::geteuid());
}

namespace {

struct AbstractAddress
{
    sockaddr_un address{};
    socklen_t length = 0;
};

// A leading NUL puts the name in the abstract namespace; the length, not a terminator, ends it.
AbstractAddress abstractAddress(const QString &name)
{
    AbstractAddress result;
    result.address.sun_family = AF_UNIX;
    const QByteArray bytes = name.toUtf8().left(qsizetype(sizeof result.address.sun_path) - 1);
    std::memcpy(result.address.sun_path + 1, bytes.constData(), size_t(bytes.size()));
    result.length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(bytes.size()));
    return result;
}

int newSocket()
{
    // Close-on-exec: a browser started from a link would otherwise inherit the name and hold it
    // after the program has ended.
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// The uid of the process at the other end, as the kernel tells it.
std::optional<uid_t> peerUid(int fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return std::nullopt;
    return credentials.uid;
}

enum class Holder { Us, Unknown, Busy };

// Whose is the name: connects and reads the holder's credentials. Busy while the holder is
// between bind and listen, or has just ended. With connected, a holder that is ours is left
// connected there, for the caller to use and close.
Holder holderOf(const AbstractAddress &name, uid_t *uid, int *connected = nullptr)
{
    const int fd = newSocket();
    if (fd < 0)
        return Holder::Unknown;
    Holder holder = Holder::Busy;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&name.address), name.length) == 0) {
        const std::optional<uid_t> peer = peerUid(fd);
        *uid = peer.value_or(*uid);
        holder = peer == ::geteuid() ? Holder::Us : Holder::Unknown;
    } else if (errno != ECONNREFUSED && errno != EAGAIN) {
        holder = Holder::Unknown;
    }
    if (holder == Holder::Us && connected)
        *connected = fd;
    else
        ::close(fd);
    return holder;
}

// What the running copy answers a raise request with, once it has asked.
constexpr char RaiseAnswer[] = "RAISED\n";
constexpr int RaiseAnswerDelay = 50;

// One later copy's connection, read as it comes until its one line, its end, the limit or a
// second has passed, whichever is first; a copy that only asked who holds the name just closes.
class Caller final : public QObject
{
public:
    Caller(int fd, const std::function<void(const QByteArray &)> &raise, QObject *parent)
        : QObject(parent), m_fd(fd), m_notifier(fd, QSocketNotifier::Read), m_raise(raise)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Caller::read);
        QTimer::singleShot(1000, this, &Caller::finish);
    }
    ~Caller() override { ::close(m_fd); }

private:
    void read()
    {
        char chunk[RaiseRequestLimit];
        for (;;) {
            const ssize_t got =
                ::recv(m_fd, chunk, size_t(RaiseRequestLimit - m_line.size()), MSG_DONTWAIT);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;
            if (got <= 0)
                return finish();
            m_line.append(chunk, got);
            if (const qsizetype end = m_line.indexOf('\n'); end >= 0) {
                const std::optional<QByteArray> token =
                    raiseToken(QByteArrayView(m_line).first(end));
                m_notifier.setEnabled(false);
                if (!token || !m_raise)
                    return finish();
                m_raise(*token);
                // Answered once the window system has had the request (it goes out when the
                // event loop next waits): the caller keeps its window, and with it the
                // keyboard focus its token is bound to, until then.
                QTimer::singleShot(RaiseAnswerDelay, this, [this] {
                    ::send(m_fd, RaiseAnswer, sizeof RaiseAnswer - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
                    finish();
                });
                return;
            }
            if (m_line.size() >= RaiseRequestLimit)
                return finish();
        }
    }
    void finish()
    {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    int m_fd;
    QSocketNotifier m_notifier;
    const std::function<void(const QByteArray &)> &m_raise;
    QByteArray m_line;
};

// Callers read at once; more are turned away until one is done.
constexpr qsizetype MostCallers = 8;

void warnUnguarded(const QString &why)
{
    std::fprintf(stderr, "%s: %s: a second copy would not be noticed\n",
                 identity::ProgramName.toLocal8Bit().constData(), why.toLocal8Bit().constData());
}

} // namespace

InstanceGuard::InstanceGuard() = default;

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::askToRaise(const QByteArray &token) const
{
    uid_t uid = 0;
    int fd = -1;
    if (holderOf(abstractAddress(name()), &uid, &fd) != Holder::Us)
        return false;
    const QByteArray request = raiseRequest(token);
    const bool sent = ::send(fd, request.constData(), size_t(request.size()),
                             MSG_NOSIGNAL | MSG_DONTWAIT) == request.size();
    // Waits a little for the answer: a token is good only while this copy's window has the
    // focus, so the window stays until the running copy has used it.
    if (sent) {
        pollfd answer{fd, POLLIN, 0};
        ::poll(&answer, 1, 1000);
    }
    ::close(fd);
    return sent;
}

bool InstanceGuard::acquire()
{
    if (m_held)
        return true;
    const AbstractAddress address = abstractAddress(name());
    // A holder of ours listens as soon as it has bound; one that has not after a second is not
    // ours. Bounded, so that nothing at all can hold the start up for long.
    for (int attempt = 0; attempt < 200; ++attempt) {
        const int fd = newSocket();
        if (fd < 0) {
            warnUnguarded(u"no socket for the single-instance guard"_s);
            return true;
        }
        if (::bind(fd, reinterpret_cast<const sockaddr *>(&address.address), address.length) == 0 &&
            ::listen(fd, SOMAXCONN) == 0) {
            m_held = std::make_unique<Held>();
            m_held->socket = fd;
            // Every caller is accepted at once, so the queue never fills; only this user's are
            // heard, and only a few at a time.
            m_held->callers = std::make_unique<QObject>();
            m_held->listener = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
            QObject::connect(m_held->listener.get(), &QSocketNotifier::activated, [this, fd] {
                int caller;
                while ((caller = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >=
                       0) {
                    if (peerUid(caller) == ::geteuid() &&
                        m_held->callers->children().size() < MostCallers)
                        new Caller(caller, m_raise, m_held->callers.get());
                    else
                        ::close(caller);
                }
            });
            return true;
        }
        const bool taken = errno == EADDRINUSE;
        ::close(fd);
        if (!taken) {
            warnUnguarded(u"the single-instance guard could not be set up"_s);
            return true;
        }
        uid_t uid = 0;
        switch (holderOf(address, &uid)) {
        case Holder::Us:
            return false;
        case Holder::Unknown:
            warnUnguarded(u"another user (uid %1) holds the single-instance name"_s.arg(uid));
            return true;
        case Holder::Busy:
            QThread::usleep(5000);
            break;
        }
    }
    warnUnguarded(u"the single-instance name is held by a program that does not answer"_s);
    return true;
}

} // namespace planetarch
