// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/instanceguard.h"

#include "core/identity.h"

#include <QWinEventNotifier>

#include <cstdio>

#include <windows.h>

#include <sddl.h>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

// A handle closed with its owner.
struct Handle
{
    HANDLE value = nullptr;
    Handle() = default;
    explicit Handle(HANDLE h) : value(h) {}
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    ~Handle()
    {
        if (value)
            ::CloseHandle(value);
    }
};

// The user's security id as text ("S-1-5-21-..."); empty when it cannot be had.
QString userSid()
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    const Handle owner(token);
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(qsizetype(size), '\0');
    wchar_t *text = nullptr;
    if (!::GetTokenInformation(token, TokenUser, buffer.data(), size, &size) ||
        !::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &text))
        return {};
    const QString sid = QString::fromWCharArray(text);
    ::LocalFree(text);
    return sid;
}

std::wstring wide(const QString &text)
{
    return text.toStdWString();
}

void warnUnguarded(const QString &why)
{
    std::fprintf(stderr, "%s: %s: a second copy would not be noticed\n",
                 identity::ProgramName.toLocal8Bit().constData(), why.toLocal8Bit().constData());
}

} // namespace

// The mapping that marks the running copy and holds its process id, for a later copy to let it
// take the foreground; the event a later copy signals; the notifier that hears it.
struct InstanceGuard::Held
{
    Handle mapping;
    Handle raise;
    std::unique_ptr<QWinEventNotifier> listener;
};

// "Local\example.planetarch.Planetarch.S-1-5-21-...": this session's namespace, this user's name.
QString InstanceGuard::name()
{
    return u"Local\\"_s + identity::ApplicationId + u'.' + userSid();
}

InstanceGuard::InstanceGuard() = default;
InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::acquire()
{
    if (m_held)
        return true;
    const HANDLE mapping = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                sizeof(DWORD), wide(name()).c_str());
    const DWORD error = ::GetLastError();
    if (!mapping) {
        // Another user's object under this name (squatting it) is no copy of ours.
        warnUnguarded(u"the single-instance name could not be had (error %1)"_s.arg(error));
        return true;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mapping);
        return false;
    }
    auto held = std::make_unique<Held>();
    held->mapping.value = mapping;
    if (auto *pid =
            static_cast<DWORD *>(::MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(DWORD)))) {
        *pid = ::GetCurrentProcessId();
        ::UnmapViewOfFile(pid);
    }
    held->raise.value = ::CreateEventW(nullptr, FALSE, FALSE, wide(name() + u".raise"_s).c_str());
    if (held->raise.value) {
        held->listener = std::make_unique<QWinEventNotifier>(held->raise.value);
        QObject::connect(held->listener.get(), &QWinEventNotifier::activated, [this] {
            if (m_raise)
                m_raise({});
        });
    }
    m_held = std::move(held);
    return true;
}

bool InstanceGuard::askToRaise(const QByteArray &) const
{
    const Handle mapping(::OpenFileMappingW(FILE_MAP_READ, FALSE, wide(name()).c_str()));
    if (!mapping.value)
        return false;
    // This copy holds the foreground, its message just answered: Windows lets the running copy
    // take it only when this one allows it.
    if (const auto *pid = static_cast<const DWORD *>(
            ::MapViewOfFile(mapping.value, FILE_MAP_READ, 0, 0, sizeof(DWORD)))) {
        ::AllowSetForegroundWindow(*pid ? *pid : ASFW_ANY);
        ::UnmapViewOfFile(pid);
    }
    const Handle raise(::OpenEventW(EVENT_MODIFY_STATE, FALSE, wide(name() + u".raise"_s).c_str()));
    return raise.value && ::SetEvent(raise.value);
}

} // namespace planetarch
