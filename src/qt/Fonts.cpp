#include "Fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

#include <map>
#include <string>

namespace formules {

namespace {

constexpr char kSansFamily[] = "MS Sans Serif";
constexpr char kSerifFamily[] = "Times New Roman";

// The installed family a family of the design is drawn in, found once per family. Naming a
// family that exists spares Qt a search for the fallbacks of a missing one on every font.
QString installedFamily(const std::string& family) {
    static const std::map<std::string, QStringList, std::less<>> kStandIns{
        {kSansFamily, {"Liberation Sans", "DejaVu Sans"}},
        {kSerifFamily, {"Liberation Serif", "DejaVu Serif"}},
    };
    static std::map<std::string, QString, std::less<>> resolved;
    const auto known = resolved.find(family);
    if (known != resolved.end()) {
        return known->second;
    }
    QString chosen = QString::fromStdString(family);
    const auto standIns = kStandIns.find(family);
    if (!QFontDatabase::hasFamily(chosen) && standIns != kStandIns.end()) {
        for (const QString& standIn : standIns->second) {
            if (QFontDatabase::hasFamily(standIn)) {
                chosen = standIn;
                break;
            }
        }
    }
    resolved.emplace(family, chosen);
    return chosen;
}

} // namespace

QFont toQt(const FontDescription& description) {
    QFont font(installedFamily(description.family));
    font.setPointSizeF(description.pointSize);
    font.setBold(description.bold);
    font.setItalic(description.italic);
    font.setStyleHint(description.family == kSerifFamily ? QFont::Serif : QFont::SansSerif);
    return font;
}

void preferProportionalDefaultFont() {
    const QFont desktop = QApplication::font();
    if (!QFontInfo(desktop).fixedPitch()) {
        return;
    }
    QFont sans = desktop;
    sans.setFamily(installedFamily(kSansFamily));
    sans.setStyleHint(QFont::SansSerif);
    QApplication::setFont(sans);
}

} // namespace formules
