#include "app/GbkLengthValidator.h"

#include "base/Gbk.h"

namespace korvani::app {

QValidator::State GbkLengthValidator::validate(QString& input, int&) const {
    try {
        return base::GbkByteLength(input.toStdString()) <= static_cast<std::size_t>(m_maxBytes) ? Acceptable : Invalid;
    } catch (const base::GbkEncodeError&) {
        return Invalid;
    }
}

} // namespace korvani::app
