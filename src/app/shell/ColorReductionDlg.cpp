#include "shell/ColorReductionDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/UiStrings.h"

namespace quenk {

namespace {

constexpr int PREVIEW_SIZE = 320;  // the preview fits a square of this many pixels

QString Text(const char* pszKey, const char* pszBuiltin) {
    return ResourceText(QStringLiteral("dialog.reduce.%1").arg(QLatin1String(pszKey)), pszBuiltin);
}

}  // namespace

CColorReductionDlg::CColorReductionDlg(const CPicture& picture, QWidget* pParent)
    : QDialog(pParent), m_picture(picture) {
    setWindowTitle(Text("caption", "Уменьшение числа цветов"));
    for (int y = 0; y < picture.image.height(); ++y) {
        const auto* pLine = reinterpret_cast<const QRgb*>(picture.image.constScanLine(y));
        for (int x = 0; x < picture.image.width(); ++x) m_histogram.Add(PictureColor(pLine, x, picture.crBackground));
    }
    // Small pictures are enlarged whole pixels at a time; large ones shrunk.
    const QSize size = picture.image.size();
    if (size.width() <= PREVIEW_SIZE && size.height() <= PREVIEW_SIZE) {
        const int nScale = std::max(1, PREVIEW_SIZE / std::max(size.width(), size.height()));
        m_sample = picture.image.scaled(size * nScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        m_sample = picture.image.scaled(PREVIEW_SIZE, PREVIEW_SIZE, Qt::KeepAspectRatio, Qt::FastTransformation);
    }
    m_sample = m_sample.convertToFormat(QImage::Format_ARGB32);

    auto* pText =
        new QLabel(Text("text",
                        "В рисунке больше 16 цветов, а в кроссворде их может быть не больше 16 вместе с цветом фона. "
                        "Сколько цветов оставить?"),
                   this);
    pText->setWordWrap(true);
    m_pColors = new QSpinBox(this);
    m_pColors->setObjectName(QStringLiteral("colors"));
    m_pColors->setRange(2, MAX_COLORS);
    m_pColors->setValue(MAX_COLORS);
    m_pPreview = new QLabel(this);
    m_pPreview->setObjectName(QStringLiteral("preview"));
    m_pPreview->setAlignment(Qt::AlignCenter);
    m_pPreview->setMinimumSize(PREVIEW_SIZE, PREVIEW_SIZE);
    m_pPreview->setFrameShape(QFrame::StyledPanel);

    auto* pButtons = new QDialogButtonBox(this);
    pButtons->addButton(Text("ok", "OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    pButtons->addButton(Text("cancel", "Отмена"), QDialogButtonBox::RejectRole);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pForm = new QFormLayout;
    pForm->addRow(Text("colors", "&Число цветов:"), m_pColors);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pText);
    pLayout->addLayout(pForm);
    pLayout->addWidget(m_pPreview, 1);
    pLayout->addWidget(pButtons);

    connect(m_pColors, &QSpinBox::valueChanged, this, &CColorReductionDlg::Reduce);
    Reduce();
}

int CColorReductionDlg::Colors() const { return m_pColors->value(); }

void CColorReductionDlg::SetColors(int nColors) { m_pColors->setValue(nColors); }

void CColorReductionDlg::Reduce() {
    m_palette = ReducePalette(m_histogram, m_pColors->value(), m_picture.crBackground);
    QImage preview(m_sample.size(), QImage::Format_RGB32);
    const PictureRowReader readRow = PictureRows(CPicture{m_sample, m_picture.crBackground}, m_palette);
    std::vector<COLORREF> row(std::size_t(m_sample.width()));
    for (int y = 0; y < m_sample.height(); ++y) {
        readRow(std::uint32_t(y), row.data());
        auto* pLine = reinterpret_cast<QRgb*>(preview.scanLine(y));
        for (int x = 0; x < m_sample.width(); ++x) {
            const COLORREF cr = row[std::size_t(x)];
            pLine[x] = qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr));
        }
    }
    m_pPreview->setPixmap(QPixmap::fromImage(preview));
}

}  // namespace quenk
