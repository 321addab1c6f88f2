// The screen parameters: a list of named parameter sets (the presets), the
// current set that the preview follows, and reading and writing the
// parameters of a badge through the dialog's own link and exchange.
#pragma once

#include "device/ScreenParaExchange.h"
#include "device/ScreenParaHost.h"

#include <QDialog>
#include <array>
#include <functional>
#include <map>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTimer;
class QToolBar;

namespace tessel {

class AppData;
class DeviceLink;
class LanguageTable;

// Tool bar commands.
enum ScreenParaCommand : int {
    AddPresetCommand = 1600,
    EditPresetCommand = 1601,
    DeletePresetCommand = 1602,
    ApplyCommand = 1603,
    GetParametersCommand = 1604,
    SetParametersCommand = 1605,
};

// The controls, by identifier.
enum ScreenParaControl : int {
    PresetListId = 1607,
    NameEditId = 1615,
    IdListId = 1616,
    HeightListId = 1617,
    WidthListId = 1618,
    RgbListId = 1619,
    OeListId = 1620,
    DataListId = 1621,
};

// The columns of the preset list.
enum PresetColumn : int {
    NameColumn,
    IdColumn,
    HeightColumn,
    WidthColumn,
    RgbColumn,
    OeColumn,
    DataColumn,
    PresetColumnCount,
};

// The texts of one row of the preset list.
using PresetCells = std::array<QString, PresetColumnCount>;

class ScreenParaDialog : public QDialog, public ScreenParaHost {
    Q_OBJECT
public:
    // The link is the dialog's own, opened for one exchange at a time; its
    // replies must arrive on this thread. It must outlive the dialog.
    ScreenParaDialog(AppData& data, const LanguageTable& texts, DeviceLink& link, QWidget* parent = nullptr);
    ~ScreenParaDialog() override;

    // Called after apply has changed the current set, so that the preview
    // and the colour lists follow it.
    void setOnApplied(std::function<void()> onApplied);

    // Tool bar commands 1600-1605.
    void OnCommand(int command);
    // The controls show the set; the width list is refilled for its height.
    void ShowScreenPara(const ScreenPara& para);
    // Status pane 1: the current set.
    void ShowCurrentSet();
    // The handler of the timers 1624-1626.
    void OnTimer(int timerId);

    bool timerActive(ExchangeTimer timer) const;
    // The text of a status pane as it was set, with its leading tab.
    QString statusText(int pane) const;
    QComboBox* list(ScreenParaControl id) const;
    QLineEdit* nameEdit() const { return nameEdit_; }
    QTableWidget* presetList() const { return presetList_; }
    QToolBar* toolBar() const { return toolBar_; }
    QAction* toolAction(ScreenParaCommand command) const;
    const ScreenParaExchange& exchange() const { return exchange_; }

    // ScreenParaHost
    void armTimer(ExchangeTimer timer, int intervalMs) override;
    void stopTimer(ExchangeTimer timer) override;
    void setStatusText(const QString& text) override;
    void disableToolBar() override;
    void enableToolBar() override;
    void showMessageBox(const QString& text, const QString& caption) override;
    ScreenParaChoice chosenValues() const override;
    void showScreenPara(const ScreenPara& para) override { ShowScreenPara(para); }

    // Closing the window, however it is closed, stores the presets from the
    // list and writes the settings file.
    void done(int result) override;

private:
    // ScreenParaDialog.cpp
    void createControls(const LanguageTable& texts);
    void createToolBar(const LanguageTable& texts);
    void createStatusBar();
    void createTimers();
    QComboBox* addList(ScreenParaControl id, int top);
    void fillWidths(int height);
    void onHeightChosen();
    void applyControls();
    void setPaneText(int pane, const QString& text);
    void writeSettings();

    // ScreenParaDialogPresets.cpp
    void createPresetList(const LanguageTable& texts);
    void fillPresets();
    void setRowCells(int row, const PresetCells& cells);
    PresetCells rowCells(int row) const;
    PresetCells controlTexts() const;
    int selectedRow() const;
    void selectRow(int row);
    void addPreset();
    void editPreset();
    void deletePreset();
    void loadRow(int row);
    void storePresets();

    AppData& data_;
    const LanguageTable& texts_; // for the message about unkept settings
    DeviceLink& link_;
    ScreenParaExchange exchange_;
    std::function<void()> onApplied_;

    QToolBar* toolBar_ = nullptr;
    std::map<int, QAction*> toolActions_;
    QLineEdit* nameEdit_ = nullptr;
    std::map<int, QComboBox*> lists_;
    QTableWidget* presetList_ = nullptr;
    std::array<QLabel*, 2> statusPanes_ {};
    std::array<QString, 2> statusTexts_ {};
    std::array<QTimer*, 3> timers_ {}; // 1624, 1625, 1626
};

} // namespace tessel
