#pragma once
// A number edit with a spin control: accepts digits only, steps within its spin range, and
// leaves the range check of a typed value to the dialog's OK (ValidateNumber).
#include <QAbstractSpinBox>
#include <optional>

namespace quenk {

class CNumberEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    CNumberEdit(int nSpinMin, int nSpinMax, QWidget* pParent);

    // The typed number; empty when the text is empty.
    std::optional<int> Value() const;
    void SetValue(int nValue);
    QString Text() const;
    QLineEdit* Edit() const { return lineEdit(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void TextChanged(const QString& strText);

protected:
    QValidator::State validate(QString& strInput, int& nPos) const override;
    void stepBy(int nSteps) override;
    StepEnabled stepEnabled() const override;

private:
    int m_nSpinMin;
    int m_nSpinMax;
};

// The value of pEdit when it lies in nMin..nMax. Otherwise the range message is shown, the
// edit gets the focus with its text selected, and the result is empty.
std::optional<int> ValidateNumber(CNumberEdit& edit, int nMin, int nMax);

}  // namespace quenk
