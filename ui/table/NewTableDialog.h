#pragma once

#include "rules/Presets.h"
#include "session/TableSession.h"

#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;

namespace pipwright {

// "New Table": the game, its seats and choices, and each computer's level.
// It opens with the choices last made and remembers those accepted.
class NewTableDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on this game, or on the game last chosen.
    NewTableDialog(std::optional<rules::Preset> preset, QWidget* parent);
    // The table as chosen, with a fresh seed.
    session::TableSetup setup() const;
    void accept() override;

private:
    void showPreset();
    void showSeats();
    rules::Preset preset() const;
    rules::Choices choices() const;

    QComboBox* preset_;
    QLabel* howPlayed_;
    QComboBox* seats_;
    QCheckBox* partners_;
    QComboBox* target_;
    QCheckBox* exact_;
    QComboBox* award_;
    std::array<QLabel*, rules::MaxSeats> levelLabels_{};
    std::array<QComboBox*, rules::MaxSeats> levels_{};
};

// The setup for a table of this preset from the choices last made, or the
// preset's own defaults, with a fresh seed.
session::TableSetup rememberedSetup(rules::Preset preset);

} // namespace pipwright
