#include "ui/table/NewTableDialog.h"

#include "ui/table/TableTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <random>

namespace pipwright {

namespace {

QString key(rules::Preset preset, const char* what) {
    return QStringLiteral("newTable/%1/%2")
        .arg(QString::fromLatin1(rules::presetInfo(preset).name.data(),
                                 qsizetype(rules::presetInfo(preset).name.size())),
             QString::fromLatin1(what));
}

// The choices last accepted for the preset.
rules::Choices rememberedChoices(rules::Preset preset) {
    QSettings settings;
    rules::Choices choices;
    auto read = [&](const char* what) { return settings.value(key(preset, what)); };
    if (read("seats").isValid())
        choices.seats = read("seats").toInt();
    if (read("partners").isValid())
        choices.partners = read("partners").toBool();
    if (read("target").isValid())
        choices.target = read("target").toInt();
    if (read("exact").isValid())
        choices.exactTarget = read("exact").toBool();
    if (read("opponentsOnly").isValid())
        choices.opponentsOnly = read("opponentsOnly").toBool();
    return choices;
}

std::array<table::Level, rules::MaxSeats> rememberedLevels() {
    std::array<table::Level, rules::MaxSeats> levels{};
    const QStringList saved = QSettings().value(QStringLiteral("newTable/levels")).toStringList();
    for (int seat = 1; seat < rules::MaxSeats; ++seat) {
        const int level = seat < saved.size() ? saved[seat].toInt() : 1;
        levels[std::size_t(seat)] = static_cast<table::Level>(std::clamp(level, 0, 2));
    }
    return levels;
}

} // namespace

session::TableSetup rememberedSetup(rules::Preset preset) {
    session::TableSetup setup;
    rules::ChosenRules chosen = rules::choose(preset, rememberedChoices(preset));
    // Settings from another version may no longer be open: the defaults then.
    if (!chosen.rules)
        chosen = rules::choose(preset, {});
    setup.rules = *chosen.rules;
    setup.levels = rememberedLevels();
    setup.seed = std::random_device{}();
    return setup;
}

NewTableDialog::NewTableDialog(std::optional<rules::Preset> preset, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("NewTable"));
    setWindowTitle(tr("New Table"));
    auto* form = new QFormLayout;
    preset_ = new QComboBox(this);
    preset_->setObjectName(QStringLiteral("Preset"));
    for (const rules::PresetInfo& info : rules::presets())
        preset_->addItem(tabletext::presetTitle(info.preset), int(info.preset));
    form->addRow(tr("&Game:"), preset_);
    howPlayed_ = new QLabel(this);
    howPlayed_->setObjectName(QStringLiteral("HowPlayed"));
    howPlayed_->setWordWrap(true);
    howPlayed_->setMinimumWidth(360);
    form->addRow(howPlayed_);
    seats_ = new QComboBox(this);
    seats_->setObjectName(QStringLiteral("Seats"));
    form->addRow(tr("&Seats:"), seats_);
    partners_ = new QCheckBox(tr("Play as two &partnerships"), this);
    partners_->setObjectName(QStringLiteral("Partners"));
    form->addRow(partners_);
    target_ = new QComboBox(this);
    target_->setObjectName(QStringLiteral("Target"));
    form->addRow(tr("&Target:"), target_);
    exact_ = new QCheckBox(tr("The target must be reached &exactly"), this);
    exact_->setObjectName(QStringLiteral("Exact"));
    form->addRow(exact_);
    award_ = new QComboBox(this);
    award_->setObjectName(QStringLiteral("Award"));
    award_->addItem(tr("The pips in all hands"), false);
    award_->addItem(tr("The opponents' pips only"), true);
    form->addRow(tr("&Award:"), award_);
    for (int seat = 1; seat < rules::MaxSeats; ++seat) {
        auto* level = levels_[std::size_t(seat)] = new QComboBox(this);
        level->setObjectName(QStringLiteral("Level%1").arg(seat));
        for (table::Level l : {table::Level::Novice, table::Level::Expert, table::Level::Master})
            level->addItem(tabletext::levelName(l), int(l));
        auto* label = levelLabels_[std::size_t(seat)] = new QLabel(this);
        label->setBuddy(level);
        form->addRow(label, level);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    const QVariant last = QSettings().value(QStringLiteral("newTable/preset"));
    const rules::Preset shown = preset           ? *preset
                                : last.isValid() ? static_cast<rules::Preset>(last.toInt())
                                                 : rules::Preset::Partners;
    preset_->setCurrentIndex(std::max(0, preset_->findData(int(shown))));
    const std::array<table::Level, rules::MaxSeats> levels = rememberedLevels();
    for (int seat = 1; seat < rules::MaxSeats; ++seat)
        levels_[std::size_t(seat)]->setCurrentIndex(int(levels[std::size_t(seat)]));
    connect(preset_, &QComboBox::currentIndexChanged, this, &NewTableDialog::showPreset);
    connect(seats_, &QComboBox::currentIndexChanged, this, &NewTableDialog::showSeats);
    connect(partners_, &QCheckBox::toggled, this, &NewTableDialog::showSeats);
    showPreset();
}

rules::Preset NewTableDialog::preset() const {
    return static_cast<rules::Preset>(preset_->currentData().toInt());
}

void NewTableDialog::showPreset() {
    const rules::Preset shown = preset();
    const rules::PresetInfo& info = rules::presetInfo(shown);
    const rules::RuleSet remembered = rememberedSetup(shown).rules;
    howPlayed_->setText(tabletext::presetLine(shown));
    const QSignalBlocker quiet(seats_);
    seats_->clear();
    for (int n = info.minSeats; n <= info.maxSeats; ++n)
        seats_->addItem(QString::number(n), n);
    seats_->setCurrentIndex(seats_->findData(remembered.seats));
    seats_->setEnabled(info.minSeats < info.maxSeats);
    {
        const QSignalBlocker quietPartners(partners_);
        partners_->setChecked(remembered.partners);
    }
    target_->clear();
    for (int target : info.targets)
        if (target > 0)
            target_->addItem(QString::number(target), target);
    target_->setCurrentIndex(std::max(0, target_->findData(remembered.target)));
    target_->setEnabled(target_->count() > 1);
    exact_->setChecked(remembered.exactTarget);
    exact_->setEnabled(info.exactChoice);
    award_->setCurrentIndex(remembered.award == rules::Award::OpponentsHands ? 1 : 0);
    award_->setEnabled(info.awardChoice);
    showSeats();
}

void NewTableDialog::showSeats() {
    const rules::PresetInfo& info = rules::presetInfo(preset());
    const int seats = seats_->currentData().toInt();
    partners_->setEnabled(info.partnersChoice && seats == 4);
    if (seats != 4 && info.partnersChoice)
        partners_->setChecked(false);
    if (!info.partnersChoice)
        partners_->setChecked(info.defaults.partners);
    rules::RuleSet named = info.defaults;
    named.seats = seats;
    named.partners = partners_->isChecked();
    for (int seat = 1; seat < rules::MaxSeats; ++seat) {
        const bool used = seat < seats;
        levelLabels_[std::size_t(seat)]->setVisible(used);
        levels_[std::size_t(seat)]->setVisible(used);
        if (used)
            levelLabels_[std::size_t(seat)]->setText(
                tr("%1 plays as:").arg(tabletext::seatName(named, seat)));
    }
}

rules::Choices NewTableDialog::choices() const {
    rules::Choices choices;
    choices.seats = seats_->currentData().toInt();
    const rules::PresetInfo& info = rules::presetInfo(preset());
    if (info.partnersChoice)
        choices.partners = partners_->isChecked();
    if (target_->isEnabled())
        choices.target = target_->currentData().toInt();
    if (info.exactChoice)
        choices.exactTarget = exact_->isChecked();
    if (info.awardChoice)
        choices.opponentsOnly = award_->currentData().toBool();
    return choices;
}

session::TableSetup NewTableDialog::setup() const {
    session::TableSetup setup;
    rules::ChosenRules chosen = rules::choose(preset(), choices());
    if (!chosen.rules)
        chosen = rules::choose(preset(), {});
    setup.rules = *chosen.rules;
    for (int seat = 1; seat < rules::MaxSeats; ++seat)
        setup.levels[std::size_t(seat)] =
            static_cast<table::Level>(levels_[std::size_t(seat)]->currentData().toInt());
    setup.seed = std::random_device{}();
    return setup;
}

void NewTableDialog::accept() {
    QSettings settings;
    const rules::Preset chosen = preset();
    const rules::Choices c = choices();
    settings.setValue(QStringLiteral("newTable/preset"), int(chosen));
    settings.setValue(key(chosen, "seats"), *c.seats);
    if (c.partners)
        settings.setValue(key(chosen, "partners"), *c.partners);
    if (c.target)
        settings.setValue(key(chosen, "target"), *c.target);
    if (c.exactTarget)
        settings.setValue(key(chosen, "exact"), *c.exactTarget);
    if (c.opponentsOnly)
        settings.setValue(key(chosen, "opponentsOnly"), *c.opponentsOnly);
    QStringList levels{QStringLiteral("0")};
    for (int seat = 1; seat < rules::MaxSeats; ++seat)
        levels.append(QString::number(levels_[std::size_t(seat)]->currentData().toInt()));
    settings.setValue(QStringLiteral("newTable/levels"), levels);
    QDialog::accept();
}

} // namespace pipwright
