#include "app/EnterKey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace korvani::app {

namespace {

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!IsEnter(event))
            return QObject::eventFilter(watched, event);
        m_action();
        return true;
    }

private:
    std::function<void()> m_action;
};

class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, int key, std::function<void()> action)
        : QObject(parent), m_key(key), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<const QKeyEvent*>(event);
            if (key->key() == m_key && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                m_action();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int m_key;
    std::function<void()> m_action;
};

class ButtonEnterFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (IsEnter(event)) {
            auto* button = qobject_cast<QAbstractButton*>(watched);
            if (button && button->hasFocus() && button->isEnabled() && !qobject_cast<QCheckBox*>(button) &&
                !qobject_cast<QRadioButton*>(button)) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

bool Inside(const QWidget* widget, std::initializer_list<QWidget*> skip) {
    for (const QWidget* other : skip)
        if (other && (other == widget || other->isAncestorOf(widget)))
            return true;
    return false;
}

} // namespace

void OnEnter(QWidget* widget, std::function<void()> action) {
    widget->installEventFilter(new EnterFilter(widget, std::move(action)));
}

void OnKey(QWidget* widget, int key, std::function<void()> action) {
    widget->installEventFilter(new KeyFilter(widget, key, std::move(action)));
}

void RunOnEnter(QWidget* area, QAbstractButton* button, std::initializer_list<QWidget*> skip) {
    const auto press = [button] {
        if (button->isEnabled())
            button->click();
    };
    // An editable combo box takes its keys in its line edit; a plain one in itself.
    for (QLineEdit* edit : area->findChildren<QLineEdit*>())
        if (!Inside(edit, skip))
            OnEnter(edit, press);
    for (QComboBox* combo : area->findChildren<QComboBox*>())
        if (!combo->isEditable() && !Inside(combo, skip))
            OnEnter(combo, press);
}

void PressButtonsOnEnter(QApplication& application) {
    application.installEventFilter(new ButtonEnterFilter(&application));
}

} // namespace korvani::app
