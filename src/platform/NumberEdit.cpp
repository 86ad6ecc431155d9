#include "platform/NumberEdit.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

#include "platform/MessageBox.h"
#include "platform/UiStrings.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {
// More digits than any field needs; keeps the number far from overflowing an int.
constexpr int MAX_DIGITS = 6;
}  // namespace

CNumberEdit::CNumberEdit(int nSpinMin, int nSpinMax, QWidget* pParent)
    : QAbstractSpinBox(pParent), m_nSpinMin(nSpinMin), m_nSpinMax(nSpinMax) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, &CNumberEdit::TextChanged);
}

std::optional<int> CNumberEdit::Value() const {
    bool bOk = false;
    const int n = lineEdit()->text().toInt(&bOk);
    return bOk ? std::optional<int>(n) : std::nullopt;
}

void CNumberEdit::SetValue(int nValue) { lineEdit()->setText(QString::number(nValue)); }

QString CNumberEdit::Text() const { return lineEdit()->text(); }

QSize CNumberEdit::sizeHint() const {
    ensurePolished();
    // Room for four digits beside the arrows.
    const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 4, lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

QValidator::State CNumberEdit::validate(QString& strInput, int&) const {
    if (strInput.size() > MAX_DIGITS) return QValidator::Invalid;
    for (const QChar ch : strInput)
        if (ch < u'0' || ch > u'9') return QValidator::Invalid;
    return QValidator::Acceptable;
}

void CNumberEdit::stepBy(int nSteps) {
    const int nValue = std::clamp(Value().value_or(m_nSpinMin), m_nSpinMin, m_nSpinMax);
    SetValue(std::clamp(nValue + nSteps, m_nSpinMin, m_nSpinMax));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CNumberEdit::stepEnabled() const {
    const std::optional<int> value = Value();
    if (!value) return StepUpEnabled | StepDownEnabled;
    StepEnabled steps = StepNone;
    if (*value < m_nSpinMax) steps |= StepUpEnabled;
    if (*value > m_nSpinMin) steps |= StepDownEnabled;
    return steps;
}

std::optional<int> ValidateNumber(CNumberEdit& edit, int nMin, int nMax) {
    const std::optional<int> value = edit.Value();
    if (value && *value >= nMin && *value <= nMax) return value;
    const std::string strText = FormatText(LoadUiString(IDS_FW_INT_RANGE).toStdString(), nMin, nMax);
    AppMessageBox(IDS_FW_INT_RANGE, EMsgButtons::Ok, EMsgIcon::Warning, QString::fromStdString(strText));
    edit.setFocus();
    edit.selectAll();
    return std::nullopt;
}

}  // namespace quenk
