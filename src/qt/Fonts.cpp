#include "Fonts.h"

#include "forms/FontStandIns.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

#include <map>
#include <string>

namespace formules {

namespace {

constexpr char kSansFamily[] = "MS Sans Serif";

// The installed family a family of the design is drawn in, found once per family. Naming a
// family that exists spares Qt a search for the fallbacks of a missing one on every font.
QString installedFamily(const std::string& family) {
    static std::map<std::string, QString, std::less<>> resolved;
    const auto known = resolved.find(family);
    if (known != resolved.end()) {
        return known->second;
    }
    QString chosen = QString::fromStdString(family);
    if (!QFontDatabase::hasFamily(chosen)) {
        for (std::string_view standIn : standInsFor(family)) {
            const QString candidate = QString::fromUtf8(standIn.data(), qsizetype(standIn.size()));
            if (QFontDatabase::hasFamily(candidate)) {
                chosen = candidate;
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
    font.setStyleHint(genericFamilyOf(description.family) == GenericFamily::Serif
                          ? QFont::Serif
                          : QFont::SansSerif);
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
