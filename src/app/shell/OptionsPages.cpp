#include "shell/OptionsPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ContextHelp.h"
#include "platform/NumberEdit.h"
#include "platform/UiStrings.h"
#include "shell/BMButton.h"

namespace quenk {

namespace {

QCheckBox* Check(const char* pszName, QWidget* pParent) {
    auto* pCheck = new QCheckBox(pParent);
    pCheck->setObjectName(QLatin1String(pszName));
    return pCheck;
}

CNumberField Field(const char* pszName, int nMin, int nMax, int nValue, QWidget* pParent) {
    CNumberField field;
    field.pLabel = new QLabel(pParent);
    field.pEdit = new CNumberEdit(nMin, nMax, pParent);
    field.pEdit->setObjectName(QLatin1String(pszName));
    field.pEdit->SetValue(nValue);
    field.pUnit = new QLabel(pParent);
    field.pLabel->setBuddy(field.pEdit);
    return field;
}

void AddField(QGridLayout& grid, int nRow, const CNumberField& field) {
    grid.addWidget(field.pLabel, nRow, 0);
    grid.addWidget(field.pEdit, nRow, 1);
    grid.addWidget(field.pUnit, nRow, 2);
}

std::uint8_t Byte(int n) { return static_cast<std::uint8_t>(n); }

}  // namespace

// ---- the common part ----

COptionsPage::COptionsPage(int nTemplate, const CSettings& settings, QWidget* pParent)
    : QWidget(pParent), m_saved(settings), m_nTemplate(nTemplate) {}

QString COptionsPage::Text(const char* pszKey, const char* pszBuiltin) const {
    return ResourceText(QStringLiteral("dialog.%1.%2").arg(m_nTemplate).arg(QLatin1String(pszKey)), pszBuiltin);
}

QString COptionsPage::Title() const {
    switch (m_nTemplate) {
    case 105: return Text("caption", "Вид");
    case 106: return Text("caption", "Палитра");
    case 107: return Text("caption", "Программа");
    default: return Text("caption", "Файлы");
    }
}

void COptionsPage::MarkModified() {
    // Filling the controls in is no change of the user's.
    if (!isVisible()) return;
    m_bModified = true;
    emit Modified();
}

// ---- "Вид" ----

CPropPage1::CPropPage1(const CSettings& settings, QWidget* pParent) : COptionsPage(105, settings, pParent) {
    m_pStrikeGroup = new QGroupBox(this);
    m_pThin = new QRadioButton(m_pStrikeGroup);
    m_pThin->setObjectName(QStringLiteral("thinLine"));
    m_pThick = new QRadioButton(m_pStrikeGroup);
    m_pThick->setObjectName(QStringLiteral("thickLine"));
    (settings.m_bThinStrikeLine ? m_pThin : m_pThick)->setChecked(true);
    auto* pStrike = new QVBoxLayout(m_pStrikeGroup);
    pStrike->addWidget(m_pThin);
    pStrike->addWidget(m_pThick);
    m_pRasterFont = Check("rasterFont", this);
    m_pRasterFont->setChecked(settings.m_bRasterFont);
    m_pRightButtonCross = Check("rightButtonCross", this);
    m_pRightButtonCross->setChecked(settings.m_bRightButtonCross);

    m_pSizeGroup = new QGroupBox(this);
    m_cell = Field("cellSize", MIN_CELL_SIZE, 255, settings.m_nCellSize, m_pSizeGroup);
    m_preview = Field("previewCellSize", 1, 255, settings.m_nPreviewCellSize, m_pSizeGroup);
    m_print = Field("printCellSize", 1, 255, settings.m_nPrintCellSize, m_pSizeGroup);
    auto* pSizes = new QGridLayout(m_pSizeGroup);
    AddField(*pSizes, 0, m_cell);
    AddField(*pSizes, 1, m_preview);
    AddField(*pSizes, 2, m_print);

    m_pBmpGroup = new QGroupBox(this);
    m_export = Field("exportCellSize", 1, 255, settings.m_nExportCellSize, m_pBmpGroup);
    // Linked, the import size is the export size whatever was stored for it.
    m_import =
        Field("importCellSize", 1, 255,
              settings.m_bSameBmpCellSize ? settings.m_nExportCellSize : settings.m_nImportCellSize, m_pBmpGroup);
    m_pSameSize = Check("sameSize", m_pBmpGroup);
    m_pSameSize->setChecked(settings.m_bSameBmpCellSize);
    auto* pBmp = new QGridLayout(m_pBmpGroup);
    AddField(*pBmp, 0, m_export);
    AddField(*pBmp, 1, m_import);
    pBmp->addWidget(m_pSameSize, 2, 0, 1, 3);

    auto* pLayout = new QGridLayout(this);
    pLayout->addWidget(m_pStrikeGroup, 0, 0);
    auto* pChecks = new QVBoxLayout;
    pChecks->addWidget(m_pRasterFont);
    pChecks->addWidget(m_pRightButtonCross);
    pChecks->addStretch();
    pLayout->addLayout(pChecks, 0, 1);
    pLayout->addWidget(m_pSizeGroup, 1, 0);
    pLayout->addWidget(m_pBmpGroup, 1, 1);
    pLayout->setRowStretch(2, 1);

    for (QAbstractButton* pButton :
         {static_cast<QAbstractButton*>(m_pThin), static_cast<QAbstractButton*>(m_pThick),
          static_cast<QAbstractButton*>(m_pRasterFont), static_cast<QAbstractButton*>(m_pRightButtonCross)})
        connect(pButton, &QAbstractButton::clicked, this, [this] { MarkModified(); });
    for (const CNumberField* pField : {&m_cell, &m_preview, &m_print, &m_import})
        connect(pField->pEdit, &CNumberEdit::TextChanged, this, [this] { MarkModified(); });
    connect(m_export.pEdit, &CNumberEdit::TextChanged, this, [this] {
        FollowExportSize();
        MarkModified();
    });
    connect(m_pSameSize, &QCheckBox::clicked, this, &CPropPage1::OnSameSizeClicked);
    OnSameSizeClicked();
    ClearModified();

    new CContextHelp(
        *this,
        {{m_pThin, "Включает зачеркивание чисел тонкой линией - лучше видны числа", "help.105.thinLine"},
         {m_pThick, "Включает зачеркивание чисел толстой линией - лучше видны зачеркивающие линии",
          "help.105.thickLine"},
         {m_pRasterFont,
          "Переключает шрифт для рисования чисел между внутренним растровым шрифтом программы и системным векторным",
          "help.105.rasterFont"},
         {m_pRightButtonCross,
          "Определяет, что будет происходить при нажатии правой кнопки: рисование крестиком или цветом фона",
          "help.105.rightButtonCross"},
         {m_cell.pEdit, "Размер клетки кроссворда в пикселях", "help.105.cellSize"},
         {m_preview.pEdit, "Размер клетки в окошке просмотра уменьшенного рисунка в пикселях",
          "help.105.previewCellSize"},
         {m_print.pEdit, "Размер клетки кроссворда при распечатке в миллиметрах", "help.105.printCellSize"},
         {m_export.pEdit, "Размер клетки при экспорте в точечный рисунок.", "help.105.exportCellSize"},
         {m_import.pEdit, "Размер клетки при импорте из точечного рисунка.", "help.105.importCellSize"}});
    Retranslate();
}

void CPropPage1::FollowExportSize() {
    if (m_pSameSize->isChecked()) m_import.pEdit->Edit()->setText(m_export.pEdit->Text());
}

void CPropPage1::OnSameSizeClicked() {
    const bool bSame = m_pSameSize->isChecked();
    for (QWidget* pWidget : {static_cast<QWidget*>(m_import.pLabel), static_cast<QWidget*>(m_import.pEdit),
                             static_cast<QWidget*>(m_import.pUnit)})
        pWidget->setEnabled(!bSame);
    FollowExportSize();
    MarkModified();
}

bool CPropPage1::Apply(CSettings& settings) {
    std::optional<int> values[5];
    const std::pair<CNumberEdit*, int> fields[] = {{m_cell.pEdit, MIN_CELL_SIZE},
                                                   {m_preview.pEdit, 1},
                                                   {m_print.pEdit, 1},
                                                   {m_export.pEdit, 1},
                                                   {m_import.pEdit, 1}};
    for (int k = 0; k < 5; ++k)
        if (!(values[k] = ValidateNumber(*fields[k].first, fields[k].second, 255))) return false;
    settings.m_bThinStrikeLine = m_pThin->isChecked();
    settings.m_bRasterFont = m_pRasterFont->isChecked();
    settings.m_bRightButtonCross = m_pRightButtonCross->isChecked();
    settings.m_nCellSize = Byte(*values[0]);
    settings.m_nPreviewCellSize = Byte(*values[1]);
    settings.m_nPrintCellSize = Byte(*values[2]);
    settings.m_nExportCellSize = Byte(*values[3]);
    settings.m_nImportCellSize = Byte(*values[4]);
    settings.m_bSameBmpCellSize = m_pSameSize->isChecked();
    return true;
}

void CPropPage1::Restore(CSettings& settings) const {
    settings.m_bThinStrikeLine = m_saved.m_bThinStrikeLine;
    settings.m_bRasterFont = m_saved.m_bRasterFont;
    settings.m_bRightButtonCross = m_saved.m_bRightButtonCross;
    settings.m_nCellSize = m_saved.m_nCellSize;
    settings.m_nPreviewCellSize = m_saved.m_nPreviewCellSize;
    settings.m_nPrintCellSize = m_saved.m_nPrintCellSize;
    settings.m_nExportCellSize = m_saved.m_nExportCellSize;
    settings.m_nImportCellSize = m_saved.m_nImportCellSize;
    settings.m_bSameBmpCellSize = m_saved.m_bSameBmpCellSize;
}

void CPropPage1::Retranslate() {
    m_pStrikeGroup->setTitle(Text("strike", "Зачёркивание чисел"));
    m_pThin->setText(Text("thin", "Тонкая линия"));
    m_pThick->setText(Text("thick", "Толстая линия"));
    m_pRasterFont->setText(Text("rasterFont", "Растровый шрифт"));
    m_pRightButtonCross->setText(Text("rightButtonCross", "Ставить крестики\nпо правая кнопке"));
    m_pSizeGroup->setTitle(Text("cellGroup", "Размер клетки"));
    m_cell.pLabel->setText(Text("cellSize", "в основном окне программы:"));
    m_preview.pLabel->setText(Text("previewCellSize", "в окошке просмотра:"));
    m_print.pLabel->setText(Text("printCellSize", "при выводе на печать:"));
    m_pBmpGroup->setTitle(Text("bmpGroup", "Клетка в BMP-рисунках"));
    m_export.pLabel->setText(Text("exportCellSize", "при экспорте:"));
    m_import.pLabel->setText(Text("importCellSize", "при импорте:"));
    for (const CNumberField* pField : {&m_cell, &m_preview, &m_export, &m_import})
        pField->pUnit->setText(Text("pixels", "точек"));
    m_print.pUnit->setText(Text("millimetres", "мм"));
    m_pSameSize->setText(Text("sameSize", "Одинаково"));
}

// ---- "Палитра" ----

CPropPage2::CPropPage2(const CSettings& settings, QWidget* pParent) : COptionsPage(106, settings, pParent) {
    m_pLabel = new QLabel(this);
    m_pMonoColor = new CBMButton(this);
    m_pMonoColor->setObjectName(QStringLiteral("monoColor"));
    m_pMonoColor->SetColor(settings.m_crMonoColor);
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(m_pLabel);
    pRow->addWidget(m_pMonoColor);
    pRow->addStretch();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pRow);
    pLayout->addStretch();
    connect(m_pMonoColor, &CBMButton::ColorChanged, this, [this] { MarkModified(); });
    new CContextHelp(*this, {{m_pMonoColor, "Цвет по умолчанию для форматов, не поддерживающих информацию о цвете",
                              "help.106.monoColor"}});
    Retranslate();
}

bool CPropPage2::Apply(CSettings& settings) {
    settings.m_crMonoColor = m_pMonoColor->Color();
    return true;
}

void CPropPage2::Restore(CSettings& settings) const { settings.m_crMonoColor = m_saved.m_crMonoColor; }

void CPropPage2::Retranslate() { m_pLabel->setText(Text("monoColor", "Цвет для монохромных форматов")); }

// ---- "Программа" ----

CPropPage3::CPropPage3(const CSettings& settings, std::vector<std::string> languages, QWidget* pParent)
    : COptionsPage(107, settings, pParent), m_languages(std::move(languages)), m_strInForce(settings.m_strLanguage) {
    m_pDrawGroup = new QGroupBox(this);
    m_pDrawLines = Check("drawLines", m_pDrawGroup);
    m_pDrawLines->setChecked(settings.m_bDrawLines);
    m_pFillImmediately = Check("fillImmediately", m_pDrawGroup);
    m_pFillImmediately->setChecked(settings.m_bFillImmediately);
    m_pFillImmediately->setEnabled(!settings.m_bDrawLines);
    auto* pDraw = new QVBoxLayout(m_pDrawGroup);
    pDraw->addWidget(m_pDrawLines);
    pDraw->addWidget(m_pFillImmediately);
    m_pPlaceGroup = new QGroupBox(this);
    m_pFitWindow = Check("fitWindow", m_pPlaceGroup);
    m_pFitWindow->setChecked(settings.m_bFitWindowOnOpen);
    m_pCenter = Check("center", m_pPlaceGroup);
    m_pCenter->setChecked(settings.m_bCenterPuzzle);
    auto* pPlace = new QVBoxLayout(m_pPlaceGroup);
    pPlace->addWidget(m_pFitWindow);
    pPlace->addWidget(m_pCenter);
    m_pAskToSave = Check("askToSave", this);
    m_pAskToSave->setChecked(settings.m_bAskToSave);
    m_pExitOnEsc = Check("exitOnEsc", this);
    m_pExitOnEsc->setChecked(settings.m_bExitOnEsc);
    m_pWarnOnOpen = Check("warnOnOpen", this);
    m_pWarnOnOpen->setChecked(settings.m_bWarnOnOpen);
    m_pWarnLimits = Check("warnLimits", this);
    m_pWarnLimits->setChecked(settings.m_bWarnFormatLimits);
    m_pDesignCheck = Check("designCheck", this);
    m_pDesignCheck->setChecked(settings.m_bDesignCheck);
    m_pUndoLabel = new QLabel(this);
    m_pUndoSize = new CNumberEdit(0, 255, this);
    m_pUndoSize->setObjectName(QStringLiteral("undoSize"));
    m_pUndoSize->SetValue(settings.m_nUndoSize);
    m_pUndoLabel->setBuddy(m_pUndoSize);
    m_pLanguageLabel = new QLabel(this);
    m_pLanguage = new QComboBox(this);
    m_pLanguage->setObjectName(QStringLiteral("language"));
    m_pLanguageLabel->setBuddy(m_pLanguage);
    FillLanguageList(settings.m_strLanguage);

    auto* pFields = new QGridLayout;
    pFields->addWidget(m_pUndoLabel, 0, 0);
    pFields->addWidget(m_pUndoSize, 0, 1);
    pFields->addWidget(m_pLanguageLabel, 1, 0);
    pFields->addWidget(m_pLanguage, 1, 1);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pDrawGroup);
    pLayout->addWidget(m_pPlaceGroup);
    for (QWidget* pCheck : {m_pAskToSave, m_pExitOnEsc, m_pWarnOnOpen, m_pWarnLimits, m_pDesignCheck})
        pLayout->addWidget(pCheck);
    pLayout->addLayout(pFields);
    pLayout->addStretch();

    connect(m_pDrawLines, &QCheckBox::clicked, this, [this] {
        m_pFillImmediately->setEnabled(!m_pDrawLines->isChecked());
        MarkModified();
    });
    for (QCheckBox* pCheck : {m_pFillImmediately, m_pFitWindow, m_pCenter, m_pAskToSave, m_pExitOnEsc, m_pWarnOnOpen,
                              m_pWarnLimits, m_pDesignCheck})
        connect(pCheck, &QCheckBox::clicked, this, [this] { MarkModified(); });
    connect(m_pUndoSize, &CNumberEdit::TextChanged, this, [this] { MarkModified(); });
    connect(m_pLanguage, &QComboBox::currentIndexChanged, this, [this] {
        // Choosing the language in force again is no change.
        if (ChosenLanguage() != m_strInForce) MarkModified();
    });

    new CContextHelp(
        *this,
        {{m_pDrawLines, "Переключает режим рисования отрезков и прямоугольников", "help.107.drawLines"},
         {m_pFillImmediately,
          "В режиме рисования прямоугольников указывает, закрашивать ли их при рисовании, или только после "
          "отпускания кнопки мыши",
          "help.107.fillImmediately"},
         {m_pFitWindow, "Изменение размера окна в соответствии с размером открываемого или создаваемого кроссворда",
          "help.107.fitWindow"},
         {m_pCenter, "Рисование кроссворда не в левом верхнем углу окна, а по центру", "help.107.center"},
         {m_pAskToSave, "Указывает, выводить ли предупреждения о том, что файл не сохранен", "help.107.askToSave"},
         {m_pExitOnEsc, "Указывает, выходить ли из программы по нажатию клавиши Esc", "help.107.exitOnEsc"},
         {m_pWarnOnOpen, "Показ предупреждений о некритических ошибках в кроссворде при его открытии",
          "help.107.warnOnOpen"},
         {m_pWarnLimits, "Показ предупреждений о некритических ограничениях сохраняемого формата кроссворда",
          "help.107.warnLimits"},
         {m_pDesignCheck,
          "При редактировании после каждого изменения рисунка проверяет в фоне, единственно ли решение "
          "кроссворда и как трудно его решить; ответ показывается в строке состояния",
          "help.107.designCheck"},
         {m_pUndoSize, "Укажите количество действий, доступных для отмены", "help.107.undoSize"},
         {m_pLanguage, "Выберите основной язык интерфейса программы", "help.107.language"}});
    Retranslate();
}

void CPropPage3::FillLanguageList(const std::string& strCurrent) {
    m_pLanguage->addItem(BuiltinLanguageName());
    for (const std::string& strName : m_languages) m_pLanguage->addItem(QString::fromStdString(strName));
    // The language in force, or the built-in one when it is not among those found.
    const auto it = std::find(m_languages.begin(), m_languages.end(), strCurrent);
    m_pLanguage->setCurrentIndex(it == m_languages.end() ? 0 : int(it - m_languages.begin()) + 1);
}

std::string CPropPage3::ChosenLanguage() const {
    const int nIndex = m_pLanguage->currentIndex();
    return nIndex <= 0 ? std::string() : m_languages[size_t(nIndex - 1)];
}

bool CPropPage3::Apply(CSettings& settings) {
    const std::optional<int> nUndo = ValidateNumber(*m_pUndoSize, 0, 255);
    if (!nUndo) return false;
    settings.m_bDrawLines = m_pDrawLines->isChecked();
    settings.m_bFillImmediately = m_pFillImmediately->isChecked();
    settings.m_bFitWindowOnOpen = m_pFitWindow->isChecked();
    settings.m_bCenterPuzzle = m_pCenter->isChecked();
    settings.m_bAskToSave = m_pAskToSave->isChecked();
    settings.m_bExitOnEsc = m_pExitOnEsc->isChecked();
    settings.m_bWarnOnOpen = m_pWarnOnOpen->isChecked();
    settings.m_bWarnFormatLimits = m_pWarnLimits->isChecked();
    settings.m_bDesignCheck = m_pDesignCheck->isChecked();
    settings.m_nUndoSize = Byte(*nUndo);
    settings.m_strLanguage = ChosenLanguage();
    m_strInForce = settings.m_strLanguage;
    return true;
}

void CPropPage3::Restore(CSettings& settings) const {
    settings.m_bDrawLines = m_saved.m_bDrawLines;
    settings.m_bFillImmediately = m_saved.m_bFillImmediately;
    settings.m_bFitWindowOnOpen = m_saved.m_bFitWindowOnOpen;
    settings.m_bCenterPuzzle = m_saved.m_bCenterPuzzle;
    settings.m_bAskToSave = m_saved.m_bAskToSave;
    settings.m_bExitOnEsc = m_saved.m_bExitOnEsc;
    settings.m_bWarnOnOpen = m_saved.m_bWarnOnOpen;
    settings.m_bWarnFormatLimits = m_saved.m_bWarnFormatLimits;
    settings.m_bDesignCheck = m_saved.m_bDesignCheck;
    settings.m_nUndoSize = m_saved.m_nUndoSize;
    settings.m_strLanguage = m_saved.m_strLanguage;
}

void CPropPage3::Retranslate() {
    m_pDrawGroup->setTitle(Text("drawGroup", "Рисование"));
    m_pDrawLines->setText(Text("drawLines", "Рисовать линиями, а не прямоугольниками"));
    m_pFillImmediately->setText(Text("fillImmediately", "Закрашивать сразу"));
    m_pPlaceGroup->setTitle(Text("placeGroup", "Расположение"));
    m_pFitWindow->setText(Text("fitWindow", "Менять размер окна при открытии файла"));
    m_pCenter->setText(Text("center", "Центрировать кроссворд в окне программы"));
    m_pAskToSave->setText(Text("askToSave", "Запрашивать о сохранении измененного файла"));
    m_pExitOnEsc->setText(Text("exitOnEsc", "Выходить из программы по Esc"));
    m_pWarnOnOpen->setText(Text("warnOnOpen", "Показывать предупреждения при открытии файла"));
    m_pWarnLimits->setText(Text("warnLimits", "Предупреждать об ограничениях форматов"));
    m_pDesignCheck->setText(Text("designCheck", "Проверять кроссворд при рисовании"));
    m_pUndoLabel->setText(Text("undoSize", "Размер буфера отмены:"));
    m_pLanguageLabel->setText(Text("language", "Язык интерфейса:"));
}

// ---- "Файлы" ----

CPropPage4::CPropPage4(const CSettings& settings, std::function<void()> registerNow, bool bInstalled, QWidget* pParent)
    : COptionsPage(108, settings, pParent) {
    m_pRegister = Check("registerFileTypes", this);
    m_pRegister->setChecked(settings.m_bRegisterFileTypes);
    m_pRegisterNow = new QPushButton(this);
    m_pRegisterNow->setObjectName(QStringLiteral("registerNow"));
    m_pRegisterNow->setAutoDefault(false);
    m_pInstalled = new QLabel(this);
    m_pInstalled->setWordWrap(true);
    // An installed program brought its file types along for every user.
    m_pInstalled->setVisible(bInstalled);
    m_pRegister->setEnabled(!bInstalled);
    m_pRegisterNow->setEnabled(!bInstalled);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pRegister);
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(m_pRegisterNow);
    pRow->addStretch();
    pLayout->addLayout(pRow);
    pLayout->addWidget(m_pInstalled);
    pLayout->addStretch();
    connect(m_pRegister, &QCheckBox::clicked, this, [this] { MarkModified(); });
    connect(m_pRegisterNow, &QPushButton::clicked, this, [registerNow = std::move(registerNow)] {
        if (registerNow) registerNow();
    });
    new CContextHelp(
        *this,
        {{m_pRegister, "Регистрировать ли при запуске поддерживаемые типы файлов для открытия их этой программой",
          "help.108.registerFileTypes"},
         {m_pRegisterNow, "Зарегестрировать типы файлов на эту программу сейчас", "help.108.registerNow"}});
    Retranslate();
}

bool CPropPage4::Apply(CSettings& settings) {
    settings.m_bRegisterFileTypes = m_pRegister->isChecked();
    return true;
}

void CPropPage4::Restore(CSettings& settings) const { settings.m_bRegisterFileTypes = m_saved.m_bRegisterFileTypes; }

void CPropPage4::Retranslate() {
    m_pRegister->setText(Text("registerFileTypes", "Регистрировать типы файлов при запуске"));
    m_pRegisterNow->setText(Text("registerNow", "Зарегистрировать сейчас"));
    m_pInstalled->setText(Text("installed",
                               "Программа установлена в систему: её типы файлов уже известны всем пользователям."));
}

}  // namespace quenk
