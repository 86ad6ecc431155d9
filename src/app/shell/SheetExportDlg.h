#pragma once
// "Экспорт листа": whether the exported sheet shows the cells as they are or is blank, ready
// to be printed and solved on paper.
#include <QDialog>

class QRadioButton;

namespace quenk {

class CSheetExportDlg : public QDialog {
    Q_OBJECT
public:
    CSheetExportDlg(bool bBlank, QWidget* pParent);
    bool Blank() const;

private:
    QRadioButton* m_pBlank;
    QRadioButton* m_pCells;
};

}  // namespace quenk
