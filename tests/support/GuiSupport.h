#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <vector>

#include "app/BirthFields.h"
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

// The representative the window tests type in: 张明, born 1985-06-15.
inline void FillPerson(app::BirthFields& f) {
    f.surname->setText(QStringLiteral("张"));
    f.givenName->setText(QStringLiteral("明"));
    f.year->setCurrentText(QStringLiteral("1985"));
    f.month->setCurrentText(QStringLiteral("6"));
    f.day->setCurrentText(QStringLiteral("15"));
}

} // namespace korvani::testing
