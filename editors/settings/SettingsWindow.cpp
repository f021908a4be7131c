#include "SettingsWindow.h"

#include "core/DataModule.h"
#include "core/DocumentEdits.h"
#include "editors/EditorHost.h"
#include "files/TranslateForm.h"
#include "widgets/HiddenText.h"
#include "widgets/Tag.h"
#include "widgets/WindowTeardown.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

// A list's own items, translated as the window shows them.
QStringList itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

} // namespace

TSettingsWindow::TSettingsWindow(const QString& formName, const QString& caption, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(formName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose); // FormClose: closing frees the window
    // Never shown: the name of a step of the history, in the window's language.
    lStep = HiddenText(this, "lStep", "%1: %2");
    connect(&documentEdits(), &TDocumentEdits::changed, this, &TSettingsWindow::documentChanged);
}

TSettingsWindow::~TSettingsWindow()
{
    // The window's own part and its form's are gone; the controls' handlers must not run.
    DisconnectControls(this);
}

void TSettingsWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown) return;
    shown = true;
    FormShow();
    // Filling and translating may have changed the size the window needs.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->adjustSize();
}

// Inside the main window the frame offers the system menu and minimising only,
// as fits a window of fixed size.
bool TSettingsWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }
    return QWidget::event(event);
}

void TSettingsWindow::FormShow()
{
    PlaceEditorWindow(this);
    InitForm();
}

void TSettingsWindow::InitForm()
{
    loading = true;
    TranslateWhenNeeded(true);
    Prepare();
    LoadSettings();
    loading = false; // from now on, what the user changes is stored
}

void TSettingsWindow::LoadSettings()
{
    LoadLists(appState());
}

void TSettingsWindow::StoreSettings()
{
    StoreLists(appState());
}

bool TSettingsWindow::Shows(const DocumentChange& change) const
{
    return change.settings;
}

// What another window, an undo or a redo changed shows at once; showing it writes
// nothing back.
void TSettingsWindow::documentChanged(const DocumentChange& change)
{
    if (!shown || loading || change.source == this || !Shows(change)) return;
    QScopedValueRollback<bool> guard(loading, true);
    LoadSettings();
}

void TSettingsWindow::ComborPropertiesChange(const QComboBox* list)
{
    Store(LabelOf(list), [this] { StoreSettings(); });
}

bool TSettingsWindow::Store(const QString& what, const std::function<void()>& change,
                            const QString& mergeKey)
{
    if (loading) return false;
    // The step is named "<window caption>: <what>".
    return documentEdits().Edit(this, lStep->text().arg(windowTitle(), what), change, mergeKey);
}

QString TSettingsWindow::LabelOf(const QWidget* control) const
{
    for (const QLabel* label : findChildren<QLabel*>())
        if (label->buddy() == control) return QString(label->text()).remove(u'&').trimmed();
    return control->objectName();
}

void TSettingsWindow::StoreTyped(const QLineEdit* edit, const std::function<void()>& change)
{
    Store(LabelOf(edit), change,
          objectName() + u'.' + edit->objectName() + u'.' + QString::number(typingRun));
}

void TSettingsWindow::EndsTypingRuns(QLineEdit* edit)
{
    connect(edit, &QLineEdit::editingFinished, this, [this] { ++typingRun; });
}

void TSettingsWindow::btnCancelClick()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void TSettingsWindow::TranslateWhenNeeded(bool translateLists)
{
    const TALL& all = appState();
    if (all.languageIndex > 0) TranslateForm(this, all.languageName, translateLists);
}

QVBoxLayout* TSettingsWindow::LayOutButtons(std::initializer_list<QPushButton*> more)
{
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("btnCancel"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &TSettingsWindow::btnCancelClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : more)
        buttons->addWidget(button);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return layout;
}

QLabel* TSettingsWindow::addRow(QGridLayout* grid, int row, int column, const char* labelName,
                                const QString& caption, QWidget* control)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(labelName));
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1);
    return label;
}

QComboBox* TSettingsWindow::AddSettingRow(QGridLayout* grid, int row, int column,
                                          const char* labelName, const QString& caption,
                                          const SettingDescription& list)
{
    QComboBox* box = SettingList(this, list);
    box->setMinimumWidth(110);
    QLabel* label = addRow(grid, row, column, labelName, caption, box);
    if (!list.shown) {
        box->hide();
        label->hide();
    }
    return box;
}

void TSettingsWindow::AddSettingRows(QGridLayout* grid, int first, int column,
                                     std::initializer_list<SettingRow> rows)
{
    int row = first;
    for (const SettingRow& r : rows)
        AddSettingRow(grid, row++, column, r.label, QLatin1String(r.caption), Described(r.list));
}

QLineEdit* TSettingsWindow::AddEditRow(QGridLayout* grid, int row, int column,
                                       const char* labelName, const QString& caption,
                                       const char* name, int maxLength)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    addRow(grid, row, column, labelName, caption, edit);
    return edit;
}

QComboBox* TSettingsWindow::SettingList(QWidget* parent, const SettingDescription& list)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(list.control);
    box->addItems(list.items);
    if (list.translation == SettingDescription::FirstItemOnly) Tag::set(box, Tag::FirstItemOnly);
    if (list.translation == SettingDescription::NeverTranslate) Tag::set(box, Tag::NeverTranslate);
    connect(box, &QComboBox::currentIndexChanged, this,
            [this, box] { ComborPropertiesChange(box); });
    return box;
}

SettingDescription TSettingsWindow::Described(const char* control) const
{
    const auto d = FindSetting(appState(), objectName(), QLatin1String(control));
    Q_ASSERT_X(d, "Described", control);
    return d.value_or(SettingDescription{});
}

void TSettingsWindow::LoadLists(const TALL& all)
{
    for (const SettingDescription& d : SettingsCatalog(all)) {
        if (d.form != objectName()) continue;
        if (auto* list = findChild<QComboBox*>(d.control))
            list->setCurrentIndex(
                SettingItemForValue(d, SettingStoredValue(all, d), itemsOf(list)));
    }
}

void TSettingsWindow::StoreLists(TALL& all)
{
    for (const SettingDescription& d : SettingsCatalog(all)) {
        if (d.form != objectName()) continue;
        if (const auto* list = findChild<QComboBox*>(d.control))
            StoreSettingItem(all, d, list->currentIndex(), itemsOf(list));
    }
}

QGridLayout* TSettingsWindow::FramedGroupLayout(const char* groupName)
{
    auto* group = new QGroupBox(windowTitle(), this);
    group->setObjectName(QLatin1String(groupName));
    group->setMinimumWidth(240);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(12);
    LayOutButtons()->insertWidget(0, group);
    return grid;
}
