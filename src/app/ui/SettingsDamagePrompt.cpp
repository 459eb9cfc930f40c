#include "app/ui/SettingsDamagePrompt.h"

#include <QDir>

#include "app/ProductInfo.h"
#include "controls/Prompter.h"

namespace casewright {

QString DamagedSettingsText(const SettingsStore::Damage& damage) {
    const QString lost =
        damage.unreadableLines == 1
            ? QStringLiteral(
                  "One line of it could not be read; a setting on that line is back "
                  "at its default.")
            : QStringLiteral(
                  "%1 lines of it could not be read; settings on those lines are "
                  "back at their defaults.")
                  .arg(damage.unreadableLines);
    QString text =
        QStringLiteral(
            "The settings file of %1 is damaged:\n%2\n\n%3 Every other "
            "setting was read and is kept.")
            .arg(ProductInfo::Name(), QDir::toNativeSeparators(SettingsStore::filePath()), lost);
    if (damage.copyKept) {
        text += QStringLiteral("\n\nA copy of the damaged file was kept as:\n%1")
                    .arg(QDir::toNativeSeparators(SettingsStore::damagedCopyPath()));
    } else {
        text += QStringLiteral(
            "\n\nNo copy of the damaged file could be kept, so the settings will not be saved "
            "over it.");
    }
    return text;
}

void ReportDamagedSettings(QWidget* parent) {
    if (const std::optional<SettingsStore::Damage> damage = SettingsStore::CheckFile()) {
        Prompter::instance().message(parent, DamagedSettingsText(*damage),
                                     QStringLiteral("Settings"), Prompter::Buttons::Ok,
                                     Prompter::Icon::Warning);
    }
}

}  // namespace casewright
