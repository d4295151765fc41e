#pragma once

// What the picture tools share: letting the windows settle, and a main window with settings in memory.

#include <memory>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QThread>

#include "shell/main_form.h"
#include "shell/memory_settings_store.h"

namespace quavis::shots {

// Lets the windows paint; closed windows go now, while the main window they report to still exists.
inline void Settle()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(20);
    }
}

// The folder the pictures go to, made if missing.
inline QDir OutFolder(const QString& path)
{
    QDir out(path);
    out.mkpath(QStringLiteral("."));
    return out;
}

// A shown main window at the top left of the screen, its settings in the given store.
inline std::unique_ptr<TMainForm> StartMainWindow(TMemorySettingsStore& store, int width, int height,
                                                  const std::string& programFolder = {})
{
    TMainFormServices services;
    services.settings = &store;
    if (!programFolder.empty()) services.programFolder = programFolder;
    auto form = std::make_unique<TMainForm>(std::move(services));
    form->move(0, 0);
    form->resize(width, height);
    form->show();
    Settle();
    return form;
}

} // namespace quavis::shots
