#include "ModelInformation.h"

#include "core/BandEdgeCorrection.h"
#include "core/DataModule.h"
#include "core/ModelChoice.h"
#include "core/NumberText.h"
#include "files/MessageBox.h"
#include "files/TranslateForm.h"
#include "widgets/KeyFilters.h"
#include "widgets/Tag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString edgeText(double mhz)
{
    return FormatMHz(mhz);
}

// An edge the user left empty or unreadable counts as 0, the empty edge.
double edgeValue(const QLineEdit* edit)
{
    double v = 0.0;
    return TextToNumber(edit->text(), v) ? v : 0.0;
}

QLineEdit* edgeEdit(QWidget* parent, const QString& name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(100);
    InstallKeyFilter(edit, KeySet::Frequency);
    return edit;
}

} // namespace

TfModel::TfModel(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fModel"));
    setWindowTitle(QStringLiteral("Model Information"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(2);

    auto* pModel = new QWidget(this);
    pModel->setObjectName(QStringLiteral("pModel"));
    auto* modelRow = new QHBoxLayout(pModel);
    modelRow->setContentsMargins(4, 4, 4, 8);
    auto* lModel = new QLabel(QStringLiteral("Model Type"), pModel);
    lModel->setObjectName(QStringLiteral("lModel"));
    cxModel = new QComboBox(pModel);
    cxModel->setObjectName(QStringLiteral("cxModel"));
    cxModel->setMinimumWidth(150);
    Tag::set(cxModel, Tag::NeverTranslate);
    lModel->setBuddy(cxModel);
    modelRow->addWidget(lModel);
    modelRow->addWidget(cxModel);
    modelRow->addStretch();
    layout->addWidget(pModel);

    for (int i = 0; i < 4; ++i) {
        BandRow& r = rows[size_t(i)];
        const QString n = QString::number(i + 1);
        r.panel = new QWidget(this);
        r.panel->setObjectName(QStringLiteral("pRang") + n);
        auto* row = new QHBoxLayout(r.panel);
        row->setContentsMargins(4, 2, 4, 2);
        r.label = new QLabel(QStringLiteral("Freq. Rang-") + n, r.panel);
        r.label->setObjectName(QStringLiteral("lFreq_") + n);
        r.label->setMinimumWidth(80);
        r.low = edgeEdit(r.panel, QStringLiteral("cxFreq_%1L").arg(n));
        auto* dash = new QLabel(QStringLiteral("---"), r.panel);
        QFont bold = dash->font();
        bold.setBold(true);
        dash->setFont(bold);
        r.high = edgeEdit(r.panel, QStringLiteral("cxFreq_%1H").arg(n));
        r.use = new QCheckBox(r.panel);
        r.use->setObjectName(QStringLiteral("cxUse_") + n);
        Tag::set(r.use, i);
        r.label->setBuddy(r.low);
        row->addWidget(r.label);
        row->addWidget(r.low);
        row->addWidget(dash);
        row->addWidget(r.high);
        row->addWidget(r.use);
        row->addStretch();
        layout->addWidget(r.panel);

        connect(r.use, &QCheckBox::toggled, this,
                [this, box = r.use] { cxUse_1PropertiesChange(box); });
        connect(r.low, &QLineEdit::editingFinished, this, [this, i] {
            if (rows[size_t(i)].low->isModified()) LowerEdgeChanged(i);
        });
        connect(r.high, &QLineEdit::editingFinished, this, [this, i] {
            if (rows[size_t(i)].high->isModified()) UpperEdgeChanged(i);
        });
    }

    auto* pButton = new QWidget(this);
    pButton->setObjectName(QStringLiteral("pButton"));
    auto* buttons = new QHBoxLayout(pButton);
    buttons->setContentsMargins(4, 10, 4, 4);
    btnOk = new QPushButton(QStringLiteral("&Ok"), pButton);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), pButton);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    // Enter in an edge edit commits the edge, it does not close the dialog.
    for (QPushButton* b : {btnOk, btnCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addWidget(pButton);

    connect(cxModel, &QComboBox::currentTextChanged, this, &TfModel::cxModelPropertiesChange);
    connect(btnOk, &QPushButton::clicked, this, &TfModel::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfModel::btnCancelClick);
}

void TfModel::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown) return;
    shown = true;
    FormShow();
}

void TfModel::FormShow()
{
    const TALL& all = appState();
    loading = true;
    if (all.languageIndex > 0) TranslateForm(this, all.languageName, false);

    QStringList names;
    modelList().ListNames(names);
    {
        const QSignalBlocker block(cxModel);
        cxModel->clear();
        cxModel->addItems(names);
        cxModel->setCurrentIndex(cxModel->findText(all.modelName));
        if (cxModel->currentIndex() < 0) cxModel->setCurrentIndex(0);
    }
    cxModelPropertiesChange();

    const quint8 chosen = ImageBandSelection(all);
    for (int i = 0; i < 4; ++i) {
        BandRow& r = rows[size_t(i)];
        const bool inImage = BandInMask(chosen, i);
        r.use->setChecked(inImage);
        if (inImage) showEdges(i, ImageBandEdges(all, i));
        // A band the image does not use shows its edges greyed, as an unchecked box does.
        if (r.use->isEnabled()) {
            r.low->setEnabled(inImage);
            r.high->setEnabled(inImage);
        }
    }
    accepted = false;
    loading = false;
}

void TfModel::cxModelPropertiesChange()
{
    const QString name = cxModel->currentText();
    if (name.isEmpty()) return;
    model = modelList().FindByName(name);
    if (!model) return;
    bandMask = model->standardMask;

    for (int i = 0; i < 4; ++i) {
        QCheckBox* use = rows[size_t(i)].use;
        use->setEnabled(BandInMask(bandMask, i));
        use->setChecked(use->isEnabled());
    }
    for (int i = 0; i < 4; ++i) {
        BandRow& r = rows[size_t(i)];
        r.low->setEnabled(r.use->isEnabled());
        r.high->setEnabled(r.use->isEnabled());
        r.limits = StandardRange(*model, i);
        bool lowEditable = false;
        bool highEditable = false;
        model->GetBandEditable(i, lowEditable, highEditable);
        r.low->setReadOnly(!lowEditable);
        r.high->setReadOnly(!highEditable);
        r.use->setVisible(lowEditable || highEditable);
        r.defaultRange = DefaultRange(*model, i);
        showEdges(i, r.defaultRange);
    }
    rows[0].label->setToolTip(edgeText(rows[0].defaultRange.low) + QLatin1Char('-') +
                              edgeText(rows[0].defaultRange.high));
    layOutRows();
}

void TfModel::layOutRows()
{
    for (BandRow& r : rows)
        r.panel->setVisible(r.low->isEnabled() || r.high->isEnabled() || r.use->isEnabled());
    adjustSize();
}

void TfModel::cxUse_1PropertiesChange(QCheckBox* box)
{
    if (loading) return;
    const int band = Tag::of(box);
    if (band < 0 || band > 3) return;
    BandRow& r = rows[size_t(band)];
    r.low->setEnabled(box->isChecked());
    r.high->setEnabled(box->isChecked());
    if (!box->isChecked()) showEdges(band, r.defaultRange);
}

TBandLimits TfModel::edgesOf(int band) const
{
    const BandRow& r = rows[size_t(band)];
    return {edgeValue(r.low), edgeValue(r.high)};
}

void TfModel::showEdges(int band, const TBandLimits& edges)
{
    BandRow& r = rows[size_t(band)];
    r.low->setText(edgeText(edges.low));
    r.high->setText(edgeText(edges.high));
    r.low->setModified(false);
    r.high->setModified(false);
}

void TfModel::LowerEdgeChanged(int band)
{
    TBandLimits edges = edgesOf(band);
    CorrectLowerEdge(appState(), rows[size_t(band)].limits, edges);
    showEdges(band, edges);
}

void TfModel::UpperEdgeChanged(int band)
{
    TBandLimits edges = edgesOf(band);
    CorrectUpperEdge(appState(), rows[size_t(band)].limits, edges);
    showEdges(band, edges);
}

void TfModel::commitPendingEdges()
{
    for (int i = 0; i < 4; ++i) {
        if (rows[size_t(i)].low->isModified()) LowerEdgeChanged(i);
        if (rows[size_t(i)].high->isModified()) UpperEdgeChanged(i);
    }
}

void TfModel::btnOkClick()
{
    accepted = false;
    commitPendingEdges();
    std::array<bool, 4> use{};
    std::array<TBandLimits, 4> edges{};
    for (int i = 0; i < 4; ++i) {
        use[size_t(i)] = rows[size_t(i)].use->isChecked();
        if (use[size_t(i)]) edges[size_t(i)] = edgesOf(i);
    }
    if (!model || !ApplyModelChoice(appState(), *model, use, edges)) {
        const TLanguage& texts = languageTexts();
        ShowMessageBox(texts.caution, texts.errRange, MessageKind::Information);
        return;
    }
    accepted = true;
    accept();
}

void TfModel::btnCancelClick()
{
    reject();
}
