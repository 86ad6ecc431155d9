#pragma once
// "Уменьшение числа цветов": a picture with more colours than a puzzle can have is offered
// fewer, 2 to 16 with the background, chosen by the user with a preview of the result.
#include <QDialog>
#include <vector>

#include "formats/ColorReduction.h"
#include "shell/PictureFile.h"

class QLabel;
class QSpinBox;

namespace quenk {

class CColorReductionDlg : public QDialog {
    Q_OBJECT
public:
    CColorReductionDlg(const CPicture& picture, QWidget* pParent);

    // The colours chosen, the background first.
    const std::vector<COLORREF>& Palette() const { return m_palette; }
    int Colors() const;
    void SetColors(int nColors);

private:
    void Reduce();

    const CPicture& m_picture;
    CColorHistogram m_histogram;
    QImage m_sample;  // the picture at the preview's size
    std::vector<COLORREF> m_palette;
    QSpinBox* m_pColors;
    QLabel* m_pPreview;
};

}  // namespace quenk
