#pragma once

#include <QValidator>

namespace korvani::app {

// Limits an edit to a number of GBK bytes, as the program's input fields count them (a Chinese
// character two, a digit or letter one), and refuses characters that GBK cannot hold.
class GbkLengthValidator : public QValidator {
public:
    GbkLengthValidator(int maxBytes, QObject* parent) : QValidator(parent), m_maxBytes(maxBytes) {}
    State validate(QString& input, int& pos) const override;

private:
    int m_maxBytes;
};

} // namespace korvani::app
