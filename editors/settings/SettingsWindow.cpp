#include "SettingsWindow.h"

#include "core/DataModule.h"
#include "editors/EditorHost.h"
#include "files/TranslateForm.h"
#include "widgets/Tag.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

TSettingsWindow::TSettingsWindow(const QString& formName, const QString& caption, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(formName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose); // FormClose: closing frees the window
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

QComboBox* TSettingsWindow::AddListRow(QGridLayout* grid, int row, int column,
                                       const char* labelName, const QString& caption,
                                       const char* listName, const QStringList& items)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(labelName));
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(listName));
    list->addItems(items);
    list->setMinimumWidth(110);
    label->setBuddy(list);
    grid->addWidget(label, row, column);
    grid->addWidget(list, row, column + 1);
    return list;
}

QPushButton* TSettingsWindow::MakeCloseButton()
{
    auto* button = new QPushButton(QStringLiteral("&Close"), this);
    button->setObjectName(QStringLiteral("btnCancel"));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, &TSettingsWindow::btnCancelClick);
    return button;
}

QComboBox* TSettingsWindow::AddSettingRow(QGridLayout* grid, int row, int column,
                                          const char* labelName, const QString& caption,
                                          const SettingDescription& list)
{
    QComboBox* box =
        AddListRow(grid, row, column, labelName, caption, list.control.toLatin1().constData(), {});
    FillList(box, list);
    if (!list.shown) {
        box->hide();
        findChild<QLabel*>(QLatin1String(labelName))->hide();
    }
    return box;
}

SettingDescription TSettingsWindow::Described(const char* control) const
{
    const auto d = FindSetting(appState(), objectName(), QLatin1String(control));
    Q_ASSERT_X(d, "Described", control);
    return d.value_or(SettingDescription{});
}

void TSettingsWindow::FillList(QComboBox* list, const SettingDescription& d)
{
    list->addItems(d.items);
    if (d.translation == SettingDescription::FirstItemOnly) Tag::set(list, Tag::FirstItemOnly);
    if (d.translation == SettingDescription::NeverTranslate) Tag::set(list, Tag::NeverTranslate);
}

void TSettingsWindow::LoadLists(const TALL& all)
{
    for (const SettingDescription& d : SettingsCatalog(all)) {
        if (d.form != objectName()) continue;
        auto* list = findChild<QComboBox*>(d.control);
        if (!list) continue;
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        list->setCurrentIndex(SettingItemForValue(d, SettingStoredValue(all, d), shown));
    }
}

void TSettingsWindow::StoreIndex(const QComboBox* list, TALL& all, SettingsFieldRef field)
{
    if (list->currentIndex() >= 0) WriteField(all, field, list->currentIndex());
}

QGridLayout* FramedGroupLayout(TSettingsWindow* window, const char* groupName,
                               QPushButton* closeButton)
{
    auto* group = new QGroupBox(window->windowTitle(), window);
    group->setObjectName(QLatin1String(groupName));
    group->setMinimumWidth(240);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(12);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(window);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return grid;
}
