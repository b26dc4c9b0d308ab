#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "app/ReportOutput.h"

// What the window tests share: the messages the information and error boxes would have shown, and
// finding a control by its object name.
namespace korvani::testing {

struct Message {
    QString title;
    QString text;
};

// The child of `root` with that object name; a test cannot go on without it.
template <typename T> T* Find(QWidget* root, const char* name) {
    T* widget = root->findChild<T*>(QString::fromUtf8(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// From now on the information and error boxes write what they would show into `messages`.
inline void CaptureMessages(std::vector<Message>& messages) {
    messages.clear();
    app::SetMessageSink([&messages](QWidget*, const QString& title, const QString& text) {
        messages.push_back({title, text});
    });
}

} // namespace korvani::testing
