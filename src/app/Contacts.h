#pragma once

#include <QString>

// The addresses that the contact buttons hand to the desktop's default handler, in one place.
namespace korvani::app::contacts {

inline QString WebSite() { return QStringLiteral("https://www.korvani.cn"); }
inline QString Chat() { return QStringLiteral("mqqwpa://im/chat?chat_type=wpa&uin=800012345"); }
inline QString Mail() { return QStringLiteral("mailto:service@korvani.cn"); }

} // namespace korvani::app::contacts
