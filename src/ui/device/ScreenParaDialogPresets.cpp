// The preset list of the screen-parameter dialog: one row per named set,
// filled on opening and stored back in row order on closing.
#include "ui/device/ScreenParaDialog.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>

namespace tessel {

namespace {

constexpr QRect PresetListRect(190, 50, 405, 225); // 190, 10, 595, 235 below the tool bar
constexpr int NameColumnWidth = 100;
constexpr int RowHeight = 20;

PresetCells cellsOf(const ScreenPara& para)
{
    const ScreenParaChoice choice = ChoiceOf(para);
    return { para.name, QString::number(choice.id), QString::number(choice.height),
        QString::number(choice.width), RgbText(para.rgb), OeText(para.oe), PolarityText(para.polarity) };
}

ScreenPara paraOf(const PresetCells& cells)
{
    ScreenPara para;
    para.name = cells[NameColumn];
    para.id = static_cast<uint8_t>(std::clamp(cells[IdColumn].toInt(), 0, 255));
    const int height = cells[HeightColumn].toInt();
    para.yIndex = height == 12 ? 0 : height == 14 ? 1 : 2;
    // The rows hold widths of at least three heights; a cell that does not is
    // taken as the narrowest.
    const int width = cells[WidthColumn].toInt();
    para.xIndex = static_cast<uint16_t>(std::max(width / HeightOfIndex(para.yIndex) - 3, 0));
    para.rgb = cells[RgbColumn] == RgbText(0) ? 0 : cells[RgbColumn] == RgbText(1) ? 1 : 2;
    para.oe = cells[OeColumn] == OeText(0) ? 0 : 1;
    para.polarity = cells[DataColumn] == PolarityText(0) ? 0 : 1;
    return para;
}

// Selects the item that shows the text; false when there is none.
bool selectText(QComboBox& list, const QString& text)
{
    const int index = list.findText(text);
    if (index >= 0)
        list.setCurrentIndex(index);
    return index >= 0;
}

// A column header names its column as the label does, without the label's
// closing colon (plain or full-width) and the space around it.
QString columnTitle(const QString& label)
{
    QString title = label.trimmed();
    while (title.endsWith(u':') || title.endsWith(u'\uFF1A'))
        title = title.chopped(1).trimmed();
    return title;
}

} // namespace

void ScreenParaDialog::createPresetList(const LanguageTable& texts)
{
    presetList_ = new QTableWidget(0, PresetColumnCount, this);
    presetList_->setGeometry(PresetListRect);
    presetList_->setAccessibleName(texts.text(u"presetList"));
    presetList_->setHorizontalHeaderLabels({ columnTitle(texts.text(u"name")), QStringLiteral("ID"),
        columnTitle(texts.text(u"height")), columnTitle(texts.text(u"width")), QStringLiteral("RGB"),
        QStringLiteral("OE"), columnTitle(texts.text(u"data")) });
    presetList_->verticalHeader()->hide();
    presetList_->verticalHeader()->setDefaultSectionSize(RowHeight);
    presetList_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    presetList_->horizontalHeader()->setHighlightSections(false);
    presetList_->setColumnWidth(NameColumn, NameColumnWidth);
    const int otherWidth = (PresetListRect.width() - NameColumnWidth) / (PresetColumnCount - 1);
    for (int column = IdColumn; column < PresetColumnCount; ++column)
        presetList_->setColumnWidth(column, otherWidth);
    // A column whose title needs more room grows; the list then scrolls.
    QHeaderView* header = presetList_->horizontalHeader();
    for (int column = 0; column < PresetColumnCount; ++column)
        presetList_->setColumnWidth(
            column, std::max(presetList_->columnWidth(column), header->sectionSizeHint(column)));
    presetList_->setShowGrid(true);
    presetList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    presetList_->setSelectionMode(QAbstractItemView::SingleSelection);
    presetList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    presetList_->setWordWrap(false);

    // The selected row keeps the highlight, with white text, when the list
    // has no focus; the other rows are black on white.
    QPalette palette = presetList_->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::Highlight, highlight);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    presetList_->setPalette(palette);

    connect(presetList_, &QTableWidget::clicked, this, [this] { loadRow(selectedRow()); });
}

void ScreenParaDialog::fillPresets()
{
    // Each preset goes in at the top, so the list shows them reversed.
    for (const ScreenPara& para : data_.screenParas) {
        presetList_->insertRow(0);
        setRowCells(0, cellsOf(para));
    }
}

void ScreenParaDialog::setRowCells(int row, const PresetCells& cells)
{
    for (int column = 0; column < PresetColumnCount; ++column) {
        QTableWidgetItem* item = presetList_->item(row, column);
        if (item == nullptr)
            presetList_->setItem(row, column, new QTableWidgetItem(cells[column]));
        else
            item->setText(cells[column]);
    }
}

PresetCells ScreenParaDialog::rowCells(int row) const
{
    PresetCells cells;
    for (int column = 0; column < PresetColumnCount; ++column) {
        const QTableWidgetItem* item = presetList_->item(row, column);
        cells[column] = item != nullptr ? item->text() : QString();
    }
    return cells;
}

PresetCells ScreenParaDialog::controlTexts() const
{
    return { nameEdit_->text(), list(IdListId)->currentText(), list(HeightListId)->currentText(),
        list(WidthListId)->currentText(), list(RgbListId)->currentText(), list(OeListId)->currentText(),
        list(DataListId)->currentText() };
}

int ScreenParaDialog::selectedRow() const
{
    const QModelIndexList rows = presetList_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ScreenParaDialog::selectRow(int row)
{
    presetList_->clearSelection();
    presetList_->selectRow(row);
}

void ScreenParaDialog::addPreset()
{
    const int row = presetList_->rowCount();
    presetList_->insertRow(row);
    setRowCells(row, controlTexts());
    selectRow(row);
}

void ScreenParaDialog::editPreset()
{
    const int row = selectedRow();
    if (row >= 0)
        setRowCells(row, controlTexts());
}

void ScreenParaDialog::deletePreset()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    presetList_->removeRow(row);
    // The mark stays at the same place: the row that moved up, or the new last one.
    const int next = std::min(row, presetList_->rowCount() - 1);
    if (next < 0)
        return;
    selectRow(next);
    loadRow(next);
}

void ScreenParaDialog::loadRow(int row)
{
    if (row < 0 || row >= presetList_->rowCount())
        return;
    const PresetCells cells = rowCells(row);
    nameEdit_->setText(cells[NameColumn]);
    selectText(*list(IdListId), cells[IdColumn]);
    const bool heightShown = selectText(*list(HeightListId), cells[HeightColumn]);
    if (heightShown)
        fillWidths(cells[HeightColumn].toInt());
    // A width the new height does not offer selects the second one, as a
    // change of height does.
    if (!selectText(*list(WidthListId), cells[WidthColumn]) && heightShown)
        list(WidthListId)->setCurrentIndex(1);
    selectText(*list(RgbListId), cells[RgbColumn]);
    selectText(*list(OeListId), cells[OeColumn]);
    selectText(*list(DataListId), cells[DataColumn]);
}

void ScreenParaDialog::storePresets()
{
    std::vector<ScreenPara> presets;
    presets.reserve(presetList_->rowCount());
    for (int row = 0; row < presetList_->rowCount(); ++row) {
        presets.push_back(paraOf(rowCells(row)));
    }
    data_.screenParas = std::move(presets);
}

} // namespace tessel
