#include "app/Contacts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "app/ReportOutput.h"

namespace korvani::app {

namespace {

AddressOpener& Opener() {
    static AddressOpener opener;
    return opener;
}

} // namespace

ContactAddresses ReadContacts(const QString& directory) {
    const QString path = QDir(directory).filePath(QString::fromUtf8(kContactFileName));
    if (!QFileInfo::exists(path))
        return {};
    QSettings ini(path, QSettings::IniFormat);
    // A value with a comma reads as a list; it is one address all the same.
    const auto read = [&](const char* key) {
        return ini.value(QStringLiteral("contact/") + QString::fromUtf8(key))
            .toStringList()
            .join(QLatin1Char(','))
            .trimmed();
    };
    return {read("website"), read("chat"), read("mail")};
}

QUrl AddressUrl(const QString& address) {
    const QString text = address.trimmed();
    const QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1) // a one-letter scheme would be a Windows drive
        return url;
    if (text.contains(QLatin1Char('@')) && !text.contains(QLatin1Char('/')))
        return QUrl(QStringLiteral("mailto:") + text);
    return QUrl::fromUserInput(text);
}

void SetAddressOpener(AddressOpener opener) { Opener() = std::move(opener); }

bool OpenAddress(QWidget* parent, const QString& address) {
    const QUrl url = AddressUrl(address);
    const bool opened = url.isValid() && (Opener() ? Opener()(url) : QDesktopServices::openUrl(url));
    if (!opened)
        ShowInfo(parent, QStringLiteral("无法打开“%1”：系统中没有找到能打开它的程序。您可以把这个地址抄下来，"
                                        "在浏览器或邮件程序中使用。")
                             .arg(address.trimmed()));
    return opened;
}

} // namespace korvani::app
