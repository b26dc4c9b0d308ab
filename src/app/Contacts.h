#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// The addresses of the contact buttons. The program has none of its own: they come only from an
// optional korvani.ini beside the program, which a shop or a reseller may write:
//
//     [contact]
//     website=https://www.example.org
//     chat=an address that the desktop opens, such as a chat program's link
//     mail=someone@example.org
//
// A button whose address is not given is not shown (官方网站 then shows the about text).
namespace korvani::app {

struct ContactAddresses {
    QString website;
    QString chat;
    QString mail;
};

// The name of the file, and what it gives; a missing or unreadable file gives no address.
inline constexpr const char* kContactFileName = "korvani.ini";
ContactAddresses ReadContacts(const QString& directory);

// The address as the desktop opens it: a mail address gets "mailto:", a web address without a
// scheme gets "http://".
QUrl AddressUrl(const QString& address);

// Hands an address to the desktop's default handler; replaced in tests. False when nothing opened it.
using AddressOpener = std::function<bool(const QUrl& url)>;
void SetAddressOpener(AddressOpener opener);

// Opens the address; when nothing opens it (no browser or mail program), says so in a message that
// shows the address, so that the user can copy it.
bool OpenAddress(QWidget* parent, const QString& address);

} // namespace korvani::app
