#include "RadioInformation.h"

#include "UpperCaseValidator.h"
#include "core/DataModule.h"
#include "core/DocumentEdits.h"
#include "core/SerialNumber.h"
#include "core/TimeStamp.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfInfoMsg* fInfoMsg = nullptr;

namespace {

// Read-only fields have the button-face background, editable ones the window's.
void setFieldEditable(QLineEdit* edit, bool editable)
{
    edit->setReadOnly(!editable);
    QPalette p = QApplication::palette(edit);
    if (!editable) p.setColor(QPalette::Base, p.color(QPalette::Button));
    edit->setPalette(p);
}

} // namespace

TfInfoMsg::TfInfoMsg(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fInfoMsg"), QStringLiteral("Radio Information"), parent)
{
    fInfoMsg = this;

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    const auto field = [&](int row, const char* labelName, const QString& caption, const char* name,
                           int maxLength) {
        QLineEdit* edit = AddEditRow(grid, row, 0, labelName, caption, name, maxLength);
        edit->setMinimumWidth(340);
        setFieldEditable(edit, false);
        return edit;
    };
    cxModel = field(0, "lModel", QStringLiteral("Model Type"), "cxModel", 250);
    cxFreq = field(1, "lFreq", QStringLiteral("Frequency[MHz]"), "cxFreq", 250);
    cxSerial = field(2, "lSerial", QStringLiteral("Serial Number"), "cxSerial", 16);
    cxRadioTime = field(3, "lRadioTime", QStringLiteral("Write Time"), "cxRadioTime", 250);
    cxSerial->setValidator(new UpperCaseValidator(cxSerial));

    btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setAutoDefault(false);
    btnOk->hide();

    QVBoxLayout* layout = LayOutButtons({btnOk});
    layout->insertLayout(0, grid);
    layout->insertSpacing(1, 6);

    connect(cxSerial, &QLineEdit::textChanged, this, &TfInfoMsg::cxSerialPropertiesChange);
    EndsTypingRuns(cxSerial);
    connect(btnOk, &QPushButton::clicked, this, &TfInfoMsg::btnOkClick);
}

TfInfoMsg::~TfInfoMsg()
{
    if (fInfoMsg == this) fInfoMsg = nullptr;
}

// The serial number and the write time are in the model block.
bool TfInfoMsg::Shows(const DocumentChange& change) const
{
    return change.modelBlock;
}

void TfInfoMsg::LoadSettings()
{
    const TALL& all = appState();
    cxModel->setText(all.modelName);
    cxFreq->setText(all.bandText);
    cxSerial->setText(SerialNumberText(all));
    cxRadioTime->setText(FormatTimeStamp(all.image.data() + Image::TimeStamp));
    setFieldEditable(cxSerial, all.serialEditable);
    for (QLineEdit* edit : {cxModel, cxFreq, cxSerial, cxRadioTime})
        edit->setCursorPosition(0);
}

void TfInfoMsg::StoreSerial()
{
    TALL& all = appState();
    if (all.serialEditable) StoreTyped(cxSerial, [&] { StoreSerialNumber(all, cxSerial->text()); });
}

void TfInfoMsg::cxSerialPropertiesChange()
{
    StoreSerial();
}

void TfInfoMsg::btnOkClick()
{
    StoreSerial();
    btnCancelClick();
}
