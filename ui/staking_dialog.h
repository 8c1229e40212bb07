// The staking dialog of the settings area: a staking system chosen from a few
// presets, shown with the first stakes it puts on the table, and written into
// the settings record as a settings file would be loaded.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <functional>

#include "core/controls.h"
#include "settings/staking_presets.h"

class QComboBox;
class QLabel;

namespace rotacle {
class Engine;
}

namespace rotacle::ui {

class StakingDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(StakingDialog)

public:
    /// `apply` loads a settings record into the game (as loading a file
    /// does) and returns false when the game refused it.
    StakingDialog(QWidget* parent, const rotacle::Engine& engine, std::function<bool(const Memo&)> apply);

    /// The preset the list shows.
    StakingPreset Preset() const;
    /// Shows `preset` in the list and its stakes in the preview.
    void SetPreset(StakingPreset preset);
    /// Writes the preset over the staking lines of the settings record and
    /// loads the record into the game.
    bool Apply();

private:
    void ShowPreview();
    Memo PresetRecord() const;

    const rotacle::Engine& engine_;
    std::function<bool(const Memo&)> apply_;
    QComboBox* presets_ = nullptr;
    QLabel* preview_ = nullptr;
};

}  // namespace rotacle::ui
