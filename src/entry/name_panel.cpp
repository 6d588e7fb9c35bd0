// The name panel: its parts, opening and closing, the rows of the page and the refresh.
#include "entry/name_panel.h"

#include <algorithm>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "entry/name_panel_list.h"
#include "model/sections.h"
#include "movement/bye_pair.h"
#include "output/edit_texts.h"
#include "qt/fonts.h"
#include "qt/qt_text.h"
#include "session/contest_session.h"

namespace vindelkast {

namespace {

constexpr int kFieldHeight = 22;
constexpr int kFieldWidth = 121;   // the default width of an edit field
constexpr int kColumnShift = 340;  // from the first column of rows to the second
constexpr int kRowsPerColumn = 30;
constexpr int kPanelLeft = 384;
constexpr int kPanelWidth = 625;
constexpr int kPanelHeight = 740;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QRect& place,
                        bool tabStop) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    // Enter on a focused button presses it, as it does everywhere else in the window.
    button->setAutoDefault(true);
    if (!tabStop) button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

QLineEdit* makeBoxField(QWidget* box, const char* name, const char* labelName, const QString& label,
                        int top) {
    auto* caption = new QLabel(label, box);
    caption->setObjectName(labelName);
    caption->setGeometry(10, top + 2, 70, 24);
    auto* field = new QLineEdit(box);
    field->setObjectName(name);
    field->setGeometry(80, top, 150, 26);
    return field;
}

}  // namespace

NamePanel::NamePanel(QWidget* parent, ContestSession& session, Dialogs& dialogs, PaneRequests& panes,
                     std::function<bool()> individualChosen)
    : QGroupBox("Namn till startlista ", parent),
      m_session(session),
      m_dialogs(dialogs),
      m_panes(panes),
      m_individualChosen(std::move(individualChosen)) {
    setObjectName("GroupNamn");
    setGeometry(kPanelLeft, 8, kPanelWidth, kPanelHeight);
    // Colours through the palette: a style sheet would keep the window's font from the fields.
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(0, 160, 0));
    setPalette(green);

    m_list = new NamePanelList(this);
    ListPers = new QListView(this);
    ListPers->setObjectName("ListPers");
    ListPers->setModel(m_list);
    ListPers->setUniformItemSizes(true);
    ListPers->setSelectionMode(QAbstractItemView::SingleSelection);
    ListPers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListPers->setFont(windowFont(13, false));
    const int listLeft = kPanelWidth * 6 / 10;
    ListPers->setGeometry(listLeft, 120, kPanelWidth - listLeft - 12, 480);
    ListPers->viewport()->installEventFilter(this);

    buildButtons();
    buildNewPersonBox();
    hide();
}

void NamePanel::buildButtons() {
    const QRect list = ListPers->geometry();
    const int half = (list.width() - 6) / 2;
    BtnSlump = makeButton(this, "BtnSlump", "Slumpa", QRect(list.left(), 24, half, 30), false);
    btFrysNamn = makeButton(this, "btFrysNamn", "Frys", QRect(list.left() + half + 6, 24, half, 30), false);
    btByt = makeButton(this, "btByt", "Byt", QRect(list.left(), 62, half, 30), false);
    btTaBortNamn =
        makeButton(this, "btTaBortNamn", "Ta Bort", QRect(list.left() + half + 6, 62, half, 30), false);
    BtnNameClose = makeButton(this, "BtnNameClose", "Avsluta namn (F3)",
                              QRect(list.left(), list.bottom() + 12, list.width(), 34), true);
    playerHistoryButton = makeButton(this, "playerHistoryButton", "Spelarens kv\u00e4llar (F12)",
                                     QRect(list.left(), list.bottom() + 54, list.width(), 34), false);
    playerHistoryButton->setToolTip("Kv\u00e4llarna i klubbarkivet f\u00f6r personen i namnrutan");
    const int pagingTop = (kRowsPerColumn + 1) * kFieldHeight + 16;
    Btn25Back = makeButton(this, "Btn25Back", "-25", QRect(30, pagingTop, 60, 30), true);
    Btn25Forward = makeButton(this, "Btn25Forward", "+25", QRect(96, pagingTop, 60, 30), true);
    Btn25Back->setEnabled(false);
    Btn25Forward->setEnabled(false);

    connect(BtnNameClose, &QPushButton::clicked, this, &NamePanel::toggle);
    connect(Btn25Back, &QPushButton::clicked, this, &NamePanel::Btn25BackClick);
    connect(Btn25Forward, &QPushButton::clicked, this, &NamePanel::Btn25ForwardClick);
    connect(BtnSlump, &QPushButton::clicked, this, &NamePanel::BtnSlumpClick);
    connect(btFrysNamn, &QPushButton::clicked, this, &NamePanel::btFrysNamnClick);
    connect(btByt, &QPushButton::clicked, this, &NamePanel::btBytClick);
    connect(btTaBortNamn, &QPushButton::clicked, this, &NamePanel::btTaBortNamnClick);
    connect(playerHistoryButton, &QPushButton::clicked, this, &NamePanel::playerHistoryClick);
}

void NamePanel::buildNewPersonBox() {
    gbNyPers = new QGroupBox("     Ny person till basen ", this);
    gbNyPers->setObjectName("gbNyPers");
    gbNyPers->setAutoFillBackground(true);
    QPalette light = gbNyPers->palette();
    light.setColor(QPalette::Window, QColor(255, 255, 192));
    gbNyPers->setPalette(light);
    gbNyPers->resize(240, 190);
    edNyNamn = makeBoxField(gbNyPers, "edNyNamn", "LblNyNamn", "Namn", 34);
    edNyId = makeBoxField(gbNyPers, "edNyId", "LblNyId", "Id (nr)", 70);
    edNyId->setToolTip("Antingen F\u00f6rbundets ID eller eget ID");
    edHcp = makeBoxField(gbNyPers, "edHcp", "LblHcp", "Hcp", 106);
    edHcp->setToolTip("Handikapp m\u00e4ts i % s\u00e4mre \u00e4n b\u00e4sta par");
    btNyPersOK = makeButton(gbNyPers, "btNyPersOK", "OK", QRect(80, 146, 70, 30), true);
    btnNyPersEJ = makeButton(gbNyPers, "btnNyPersEJ", "EJ", QRect(160, 146, 70, 30), true);
    for (QWidget* part : std::initializer_list<QWidget*>{edNyNamn, edNyId, edHcp, btNyPersOK})
        part->installEventFilter(this);
    connect(btNyPersOK, &QPushButton::clicked, this, &NamePanel::btNyPersOKClick);
    connect(btnNyPersEJ, &QPushButton::clicked, this, &NamePanel::btnNyPersEJClick);
    gbNyPers->hide();
}

void NamePanel::toggle() {
    if (isVisible())
        close();
    else
        open();
}

void NamePanel::open() {
    show();
    raise();
    emit opening();
    ensureRows(std::min(kMaxRows, m_session.contest().maxPairNumber + 2 - m_pageOffset));
    refreshNamePanel();
}

void NamePanel::close() {
    hide();
    m_session.editIf({"fripar", byePairText}, ContestChange::names(), [](Contest& contest) {
        const int maxPair = contest.maxPairNumber;
        const int byePair = contest.byePair;
        if (!contest.isIndividual) settleByePairOnNamesClosed(contest);
        return contest.maxPairNumber != maxPair || contest.byePair != byePair;
    });
    emit highestNumberToShow(m_session.contest().maxPairNumber);
    showByePair();
    emit closed();
}

void NamePanel::clearState() {
    hide();
    m_pageOffset = 0;
    m_active = nullptr;
    m_remembered = nullptr;
    gbNyPers->hide();
    m_list->clear();
    ListPers->show();
    for (const Row& row : m_rows) row.mark->setChecked(false);
}

QLineEdit* NamePanel::nameField(int row, int column) const {
    if (row < 1 || row > rowCount()) return nullptr;
    const Row& r = m_rows[static_cast<std::size_t>(row - 1)];
    return column == 0 ? r.first : column == 1 ? r.second : nullptr;
}

QCheckBox* NamePanel::markBox(int row) const {
    if (row < 1 || row > rowCount()) return nullptr;
    return m_rows[static_cast<std::size_t>(row - 1)].mark;
}

int NamePanel::tagOf(const QLineEdit* field) { return field ? field->property("tag").toInt() : 0; }

void NamePanel::ensureRows(int count) {
    while (rowCount() < std::min(count, kMaxRows)) createRow(rowCount() + 1);
}

void NamePanel::createRow(int r) {
    const bool secondColumn = r > kRowsPerColumn;
    if (r == kRowsPerColumn + 1) openSecondColumn();
    const int left = 30 + (secondColumn ? kColumnShift : 0);
    const int top = (secondColumn ? r - kRowsPerColumn : r) * kFieldHeight;
    QFont small = windowFont(12, false);
    small.setPointSize(9);

    Row row;
    row.number = new QLabel(this);
    row.number->setObjectName(QString("LblNamnNr%1").arg(r));
    row.number->setGeometry(left - 25, top, 24, kFieldHeight);
    row.number->setFont(small);
    QPalette white = row.number->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    row.number->setPalette(white);

    const auto makeField = [&](int column, int x, int width) {
        auto* field = new QLineEdit(this);
        const int tag = r * 10 + column;
        field->setObjectName(QString("EdNamn%1").arg(tag));
        field->setProperty("tag", tag);
        field->setFont(small);
        field->setGeometry(x, top, width, kFieldHeight);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, field] { nameFieldEdited(field); });
        field->show();
        return field;
    };
    row.first = makeField(0, left, kFieldWidth + 20);
    int right = row.first->geometry().right() + 1;
    const bool individual = m_session.contest().isIndividual || m_individualChosen();
    if (!individual) {
        row.second = makeField(1, right, kFieldWidth);
        right = row.second->geometry().right() + 1;
    }
    row.mark = new QCheckBox(this);
    row.mark->setObjectName(QString("ChkNamnMark%1").arg(r));
    row.mark->setGeometry(right + 5, top, 20, kFieldHeight);
    row.mark->setFocusPolicy(Qt::ClickFocus);

    // Enter and Tab run down the rows in order, whenever a row was made.
    if (!m_rows.empty()) {
        const Row& previous = m_rows.back();
        setTabOrder(previous.second ? previous.second : previous.first, row.first);
    }
    if (row.second) setTabOrder(row.first, row.second);
    for (QWidget* part : std::initializer_list<QWidget*>{row.number, row.mark}) part->show();
    m_rows.push_back(row);
}

void NamePanel::openSecondColumn() {
    setGeometry(x() - kColumnShift, y(), width() + kColumnShift, height());
    for (QWidget* part : std::initializer_list<QWidget*>{ListPers, btByt, BtnSlump, btFrysNamn, btTaBortNamn,
                                                         BtnNameClose, playerHistoryButton})
        part->move(part->x() + kColumnShift, part->y());
}

void NamePanel::refreshNamePanel() {
    const Contest& contest = m_session.contest();
    ensureRows(std::min(kMaxRows, contest.participantCount + 3));
    for (int r = 1; r <= rowCount(); ++r) {
        const Row& row = m_rows[static_cast<std::size_t>(r - 1)];
        const int p = m_pageOffset + r;
        const bool inList = Contest::validPair(p);
        if (r > kPageStep) {
            Btn25Back->setEnabled(true);
            Btn25Forward->setEnabled(true);
        }
        row.number->setText(toQt(pairLabel(contest, p)));
        QPalette colours = row.first->palette();
        colours.setColor(QPalette::Text, inList && contest.nameFrozen[p] ? Qt::red : Qt::black);
        const auto show = [&](QLineEdit* field, const Member* member) {
            field->setText(inList && member ? toQt(longName(*member)) : QString());
            field->setCursorPosition(0);  // a long name shows its beginning
            field->setPalette(colours);
            // Numbers beyond the start list's last place can be paged to, never filled.
            field->setEnabled(inList);
        };
        show(row.first, inList ? contest.participants[p].first : nullptr);
        if (row.second) {
            row.second->setVisible(!contest.isIndividual);
            show(row.second, inList ? contest.participants[p].second : nullptr);
        }
        row.mark->setEnabled(inList);
    }
    if (m_active)
        focusAfter(m_active);
    else if (!m_rows.empty())
        m_rows.front().first->setFocus(Qt::OtherFocusReason);
}

void NamePanel::focusAfter(QWidget* widget) {
    for (QWidget* next = widget->nextInFocusChain(); next && next != widget;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() &&
            next->window() == widget->window()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void NamePanel::changed() { m_session.markUnsaved(ContestChange::names()); }

void NamePanel::showByePair() { emit byePairToShow(m_session.contest().byePair); }

void NamePanel::showParticipantCount() { emit highestNumberToShow(m_session.contest().participantCount); }

}  // namespace vindelkast
