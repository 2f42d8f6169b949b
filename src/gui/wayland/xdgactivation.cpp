// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// A module of its own, loaded only on Wayland (where Qt's plugin has loaded libwayland-client
// already): the program itself links no Wayland library, so on X11 it loads none.
// It asks the compositor for an xdg-activation token on a private event queue, so Qt's own
// queue and thread are never touched.

#include "xdg-activation-v1-client-protocol.h"

#include <QByteArray>
#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>
#include <QWindow>

#include <cstring>
#include <wayland-client.h>

namespace {

void announced(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    if (std::strcmp(interface, xdg_activation_v1_interface.name) == 0)
        *static_cast<xdg_activation_v1 **>(data) = static_cast<xdg_activation_v1 *>(
            wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
}

void withdrawn(void *, wl_registry *, uint32_t)
{
}

const wl_registry_listener registryListener{announced, withdrawn};

void issued(void *data, xdg_activation_token_v1 *, const char *token)
{
    *static_cast<QByteArray *>(data) = token;
}

const xdg_activation_token_v1_listener tokenListener{issued};

} // namespace

// The token the compositor issues for window; withInput names the seat's last key or click, so
// that the compositor may let the window it is handed to take the focus.
extern "C" Q_DECL_EXPORT bool planetarchActivationToken(QWindow *window, bool withInput,
                                                        QByteArray *token)
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    if (!native || !window)
        return false;
    auto *display = static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display"));
    auto *surface = static_cast<wl_surface *>(native->nativeResourceForWindow("surface", window));
    auto *seat = static_cast<wl_seat *>(native->nativeResourceForIntegration("wl_seat"));
    const auto serial = uint32_t(quintptr(native->nativeResourceForIntegration("serial")));
    if (!display || !surface)
        return false;

    wl_event_queue *queue = wl_display_create_queue(display);
    auto *onQueue = static_cast<wl_display *>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(onQueue), queue);
    wl_registry *registry = wl_display_get_registry(onQueue);
    xdg_activation_v1 *activation = nullptr;
    wl_registry_add_listener(registry, &registryListener, &activation);
    wl_display_roundtrip_queue(display, queue);
    if (activation) {
        xdg_activation_token_v1 *request = xdg_activation_v1_get_activation_token(activation);
        xdg_activation_token_v1_add_listener(request, &tokenListener, token);
        if (withInput && seat && serial)
            xdg_activation_token_v1_set_serial(request, serial, seat);
        xdg_activation_token_v1_set_surface(request, surface);
        xdg_activation_token_v1_set_app_id(request,
                                           QGuiApplication::desktopFileName().toUtf8().constData());
        xdg_activation_token_v1_commit(request);
        // Compositors answer the commit at once; a few round trips bound the wait.
        for (int round = 0; token->isEmpty() && round < 3; ++round) {
            if (wl_display_roundtrip_queue(display, queue) < 0)
                break;
        }
        xdg_activation_token_v1_destroy(request);
        xdg_activation_v1_destroy(activation);
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(onQueue);
    wl_event_queue_destroy(queue);
    return !token->isEmpty();
}
