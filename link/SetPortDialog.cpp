#include "SetPortDialog.h"

#include "core/DataModule.h"
#include "files/TranslateForm.h"
#include "widgets/Tag.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int ButtonCount = 20;
constexpr int PathRole = Qt::UserRole;
} // namespace

TfSetPort::TfSetPort(QWidget* parent, Detector d) : QDialog(parent), detect(std::move(d))
{
    setObjectName(QStringLiteral("fSetPort"));
    setWindowTitle(tr("Communication Port"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    cxPort = new QGroupBox(tr("Port"), this);
    cxPort->setObjectName(QStringLiteral("cxPort"));
    auto* grid = new QGridLayout(cxPort);
    grid->setHorizontalSpacing(18);
    for (int n = 1; n <= ButtonCount; ++n) {
        auto* b = new QRadioButton(QStringLiteral("COM%1").arg(n), cxPort);
        b->setObjectName(QStringLiteral("cxPort%1").arg(n));
        b->setEnabled(false);
        // Numbered down the columns: 1-5, 6-10, 11-15, 16-20.
        grid->addWidget(b, (n - 1) % 5, (n - 1) / 5);
        connect(b, &QRadioButton::toggled, this, &TfSetPort::portButtonToggled);
        portButtons[size_t(n - 1)] = b;
    }

    cxDevice = new QGroupBox(tr("Device"), this);
    cxDevice->setObjectName(QStringLiteral("cxDevice"));
    cxDeviceList = new QListWidget(cxDevice);
    cxDeviceList->setObjectName(QStringLiteral("cxDeviceList"));
    Tag::set(cxDeviceList, Tag::NeverTranslate);
    cxDeviceList->setMaximumHeight(84);
    lPath = new QLabel(tr("Path:"), cxDevice);
    lPath->setObjectName(QStringLiteral("lPath"));
    ePath = new QLineEdit(cxDevice);
    ePath->setObjectName(QStringLiteral("ePath"));
    ePath->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    lPath->setBuddy(ePath);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(lPath);
    pathRow->addWidget(ePath, 1);
    auto* deviceLayout = new QVBoxLayout(cxDevice);
    deviceLayout->addWidget(cxDeviceList);
    deviceLayout->addLayout(pathRow);
#ifdef Q_OS_WIN
    cxDevice->hide();
#endif
    connect(cxDeviceList, &QListWidget::itemClicked, this, &TfSetPort::deviceChosen);
    connect(ePath, &QLineEdit::textEdited, this, &TfSetPort::pathEdited);

    // Never visible: the detected ports, and the text the port buttons are named with.
    cbCom = new QComboBox(this);
    cbCom->setObjectName(QStringLiteral("cbCom"));
    Tag::set(cbCom, Tag::NeverTranslate);
    cbCom->hide();
    lbName = new QLabel(tr("Port:"), this);
    lbName->setObjectName(QStringLiteral("lbName"));
    lbName->hide();

    auto* btnOk = new QPushButton(tr("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    auto* btnCancel = new QPushButton(tr("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnOk, &QPushButton::clicked, this, &TfSetPort::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cxPort);
    layout->addWidget(cxDevice);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfSetPort::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown) return;
    shown = true;
    FormShow();
}

void TfSetPort::FormShow()
{
    const TALL& all = appState();
    if (all.languageIndex > 0) {
        TranslateForm(this, all.languageName, true);
        for (int n = 1; n <= ButtonCount; ++n)
            portButtons[size_t(n - 1)]->setText(lbName->text() + QString::number(n));
    }
    cxPort->setTitle(windowTitle());

    const QList<DetectedPort> ports = detect ? detect() : QList<DetectedPort>();
    cbCom->clear();
    for (const DetectedPort& p : ports)
        cbCom->addItem(p.name);

    for (const DetectedPort& p : ports) {
        const int n = ComPortNumber(p.name);
        if (n >= 1 && n <= ButtonCount) portButtons[size_t(n - 1)]->setEnabled(true);
    }
    // Checked even when the port was not detected and its button stays disabled.
    const int current = ComPortNumber(all.portName);
    if (current >= 1 && current <= ButtonCount) portButtons[size_t(current - 1)]->setChecked(true);

    cxDeviceList->clear();
    for (const DetectedPort& p : ports) {
        if (IsComPortName(p.name)) continue;
        auto* item = new QListWidgetItem(
            p.description.isEmpty() ? p.name : p.name + QStringLiteral("  -  ") + p.description,
            cxDeviceList);
        item->setData(PathRole, p.name);
        if (p.name == all.portName) cxDeviceList->setCurrentItem(item);
    }
    if (!IsComPortName(all.portName)) ePath->setText(all.portName);
}

void TfSetPort::btnOkClick()
{
    TALL& all = appState();
    bool chosen = false;
    for (int n = 1; n <= ButtonCount; ++n) {
        if (portButtons[size_t(n - 1)]->isChecked()) {
            all.portName = QStringLiteral("COM%1").arg(n);
            chosen = true;
        }
    }
    const QString path = ePath->text().trimmed();
    if (!chosen && !path.isEmpty()) all.portName = IsComPortName(path) ? path.toUpper() : path;
    accept();
}

void TfSetPort::portButtonToggled(bool checked)
{
    if (!checked) return;
    ePath->clear();
    cxDeviceList->clearSelection();
    cxDeviceList->setCurrentItem(nullptr);
}

void TfSetPort::deviceChosen()
{
    const QListWidgetItem* item = cxDeviceList->currentItem();
    if (!item) return;
    ePath->setText(item->data(PathRole).toString());
    uncheckPortButtons();
}

void TfSetPort::pathEdited()
{
    uncheckPortButtons();
}

void TfSetPort::uncheckPortButtons()
{
    // Exclusive radio buttons cannot be unchecked while exclusive.
    for (QRadioButton* b : portButtons) {
        if (!b->isChecked()) continue;
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
}
