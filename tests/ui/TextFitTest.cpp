// Every window and dialog in every language: no label, button, closed list,
// tab, group title, column header or status text is cut. Each control's
// needed width is measured here from its font and its style's margins,
// independently of how the windows size their controls.
#include "MainFrameTestSupport.h"

#include "device/BadgeSimulator.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/property/CharSpacingDialog.h"
#include "ui/device/CommDialog.h"
#include "ui/property/InsertImageDialog.h"
#include "ui/dialogs/PasswordDialog.h"
#include "ui/property/PropertyForm.h"
#include "ui/device/ScreenParaDialog.h"
#include "ui/dialogs/SoftwareOptionDialog.h"
#include "ui/property/YOffsetDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QToolButton>

namespace tessel::test {
namespace {

// The text a control shows: a single "&" marks a mnemonic and is not drawn.
QString drawn(const QString& text)
{
    QString result = text;
    result.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    result.remove(u'&');
    result.replace(u'\x01', u'&');
    return result;
}

QString describe(const QWidget& widget, const QString& text, int needed, int has)
{
    return QStringLiteral("%1 \"%2\" needs %3 pixels, has %4")
        .arg(QString::fromLatin1(widget.metaObject()->className()), text)
        .arg(needed)
        .arg(has);
}

void checkLabel(const QLabel& label, QStringList& cut)
{
    if (label.text().isEmpty() || label.wordWrap() || !label.pixmap().isNull())
        return;
    // A shortened status text carries the whole text as its tool tip.
    if (label.text().contains(QChar(0x2026)) && !label.toolTip().isEmpty())
        return;
    const int needed = label.fontMetrics().horizontalAdvance(label.text()) + 2 * label.margin();
    const int has = label.contentsRect().width();
    if (needed > has)
        cut << describe(label, label.text(), needed, has);
}

void checkButton(const QAbstractButton& button, QStringList& cut)
{
    const QString text = drawn(button.text());
    if (text.isEmpty())
        return;
    const QStyle* style = button.style();
    int needed = button.fontMetrics().horizontalAdvance(text);
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button))
        needed += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button);
    else if (const auto* tool = qobject_cast<const QToolButton*>(&button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return;
        needed += 4;
    } else { // a push button draws its label inside its frame
        needed += 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    }
    if (needed > button.width())
        cut << describe(button, text, needed, button.width());
}

void checkList(const QComboBox& list, QStringList& cut)
{
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    option.frame = list.hasFrame();
    const int field
        = list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list).width();
    for (int i = 0; i < list.count(); ++i) {
        int needed = list.fontMetrics().horizontalAdvance(list.itemText(i));
        if (!list.itemIcon(i).isNull())
            needed += list.iconSize().width() + 4;
        if (needed > field)
            cut << describe(list, list.itemText(i), needed, field);
    }
}

void checkTabs(const QTabBar& tabs, QStringList& cut)
{
    const int padding = tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs) / 2;
    for (int i = 0; i < tabs.count(); ++i) {
        const int needed = tabs.fontMetrics().horizontalAdvance(drawn(tabs.tabText(i))) + padding;
        if (needed > tabs.tabRect(i).width())
            cut << describe(tabs, tabs.tabText(i), needed, tabs.tabRect(i).width());
    }
}

void checkGroup(const QGroupBox& group, QStringList& cut)
{
    const QString title = drawn(group.title());
    if (title.isEmpty())
        return;
    const int needed = group.fontMetrics().horizontalAdvance(title) + 14;
    if (needed > group.width())
        cut << describe(group, title, needed, group.width());
}

void checkHeader(const QHeaderView& header, QStringList& cut)
{
    const QAbstractItemModel* model = header.model();
    if (!model || header.isHidden())
        return;
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int i = 0; i < header.count(); ++i) {
        const QString text = model->headerData(i, header.orientation()).toString();
        const int needed = header.fontMetrics().horizontalAdvance(text) + 2 * margin;
        if (!text.isEmpty() && needed > header.sectionSize(i))
            cut << describe(header, text, needed, header.sectionSize(i));
    }
}

// Two visible controls of the same parent that overlap.
void checkOverlaps(const QWidget& parent, QStringList& cut)
{
    QList<QWidget*> shown;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !qobject_cast<QGroupBox*>(child) && !child->isWindow())
            shown << child;
    for (qsizetype i = 0; i < shown.size(); ++i)
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                cut << QStringLiteral("%1 overlaps %2")
                           .arg(QString::fromLatin1(shown[i]->metaObject()->className()),
                               QString::fromLatin1(shown[j]->metaObject()->className()));
}

// Every shown control of the window, the window itself included.
QStringList cutTexts(QWidget& window)
{
    QStringList cut;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisible())
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            checkLabel(*label, cut);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            checkButton(*button, cut);
        else if (auto* list = qobject_cast<QComboBox*>(widget))
            checkList(*list, cut);
        else if (auto* tabs = qobject_cast<QTabBar*>(widget))
            checkTabs(*tabs, cut);
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            checkGroup(*group, cut);
        else if (auto* header = qobject_cast<QHeaderView*>(widget))
            checkHeader(*header, cut);
    }
    return cut;
}

class TextFitTest : public StartedMainFrameTest, public testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(StartedMainFrameTest::SetUp());
        frame->OnLanguageCommand(GetParam());
        frame->show();
        QCoreApplication::processEvents();
    }

    // Opens the window as the user sees it and answers what is cut in it,
    // its caption included (beside the caption the title bar keeps its icon
    // and three buttons).
    QStringList cutIn(QWidget& window)
    {
        window.show();
        QCoreApplication::processEvents();
        QStringList cut = cutTexts(window);
        constexpr int TitleBarRoom = 4 * 24;
        const int caption = window.fontMetrics().horizontalAdvance(window.windowTitle()) + TitleBarRoom;
        if (!window.windowTitle().isEmpty() && caption > window.width())
            cut << describe(window, window.windowTitle(), caption, window.width());
        window.hide();
        return cut;
    }
};

TEST_P(TextFitTest, TheMainWindowAndThePropertyPaneOfEachKind)
{
    EXPECT_EQ(cutTexts(*frame).join(u'\n').toStdString(), std::string()) << "no program";
    for (int addCommand : { 1101, 1102 }) {
        frame->OnCommand(addCommand);
        QCoreApplication::processEvents();
        EXPECT_EQ(cutTexts(*frame).join(u'\n').toStdString(), std::string()) << "kind " << addCommand;
        QStringList overlaps;
        checkOverlaps(*frame->propertyPane(), overlaps);
        EXPECT_EQ(overlaps.join(u'\n').toStdString(), std::string()) << "kind " << addCommand;
    }
}

TEST_P(TextFitTest, StatusTextsAreWholeOrShortenedWithTheirWholeText)
{
    for (int tip : { 0, 4, 5, 6, 7, 18, 19, 20, 22, 23, 25, 35, 36, 37 }) {
        frame->setStatusText(texts.tip(tip));
        EXPECT_EQ(cutTexts(*frame->statusBar()).join(u'\n').toStdString(), std::string()) << "tip" << tip;
        EXPECT_EQ(frame->statusText(), texts.tip(tip));
    }
    frame->resize(frame->minimumSize());
    QCoreApplication::processEvents();
    frame->setStatusText(texts.tip(18));
    EXPECT_EQ(cutTexts(*frame->statusBar()).join(u'\n').toStdString(), std::string());
    const QRect bar = frame->statusBar()->rect();
    EXPECT_TRUE(bar.contains(frame->progressBar()->geometry())) << "the progress bar stays inside the bar";
}

TEST_P(TextFitTest, EveryDialog)
{
    SoftwareOptionDialog options(data, texts, frame.get());
    EXPECT_EQ(cutIn(options).join(u'\n').toStdString(), std::string()) << "software options";
    CommDialog comm(data, texts, frame.get());
    EXPECT_EQ(cutIn(comm).join(u'\n').toStdString(), std::string()) << "communication";
    PasswordDialog password(texts, frame.get());
    EXPECT_EQ(cutIn(password).join(u'\n').toStdString(), std::string()) << "password";
    ScreenParaDialog screen(data, texts, *link, frame.get());
    EXPECT_EQ(cutIn(screen).join(u'\n').toStdString(), std::string()) << "screen parameters";
    AboutDialog about(texts, frame.get());
    EXPECT_EQ(cutIn(about).join(u'\n').toStdString(), std::string()) << "about";
    frame->OnCommand(1101);
    PropertyForm& pane = *frame->propertyPane();
    EXPECT_EQ(cutIn(*pane.insertIconDialog()).join(u'\n').toStdString(), std::string()) << "icons";
    EXPECT_EQ(cutIn(*pane.charSpacingDialog()).join(u'\n').toStdString(), std::string()) << "spacing";
    EXPECT_EQ(cutIn(*pane.yOffsetDialog()).join(u'\n').toStdString(), std::string()) << "offset";
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, TextFitTest, testing::Range(771, 779),
    [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

} // namespace
} // namespace tessel::test
