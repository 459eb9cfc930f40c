#pragma once

#include <QString>

#include "app/SettingsStore.h"

class QWidget;

namespace casewright {

// Tells the user, through the prompt interface, when the settings file
// could not be read completely: how much was lost, that everything else was
// kept, and where the damaged file was kept. Says nothing for a sound file.
void ReportDamagedSettings(QWidget* parent);

QString DamagedSettingsText(const SettingsStore::Damage& damage);

}  // namespace casewright
