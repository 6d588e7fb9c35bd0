// The entry grid: building it for the contest, board or round layout, filling it from the
// boards and reading it back.
#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

#include "entry/result_entry.h"
#include "entry/result_entry_colours.h"
#include "model/bridge_tables.h"
#include "model/result_order.h"
#include "qt/qt_text.h"
#include "session/pane_requests.h"

namespace vindelkast {

using namespace entry_colours;

namespace {

constexpr int kFirstRowTop = 110;
constexpr int kRowStep = 25;
constexpr int kFieldHeight = 24;
constexpr int kCellWidth = 70;
constexpr int kCellStep = 75;

int firstCellLeft(bool individual) { return individual ? 200 : 170; }

}  // namespace

QLineEdit* ResultEntry::makeField(const QString& name, int left, int top, int width, int tag, FieldRef ref) {
    auto* f = new QLineEdit(this);
    f->setObjectName(name);
    f->setGeometry(left, top, width, kFieldHeight);
    f->setFrame(false);
    f->setProperty("tag", tag);
    paint(f, kWhite, ref.kind == FieldKind::Score ? kGrey : kBlack);
    f->installEventFilter(this);
    m_fields.insert(f, ref);
    const bool score = ref.kind == FieldKind::Score;
    connect(f, &QLineEdit::textEdited, this,
            [this, score] { (score ? m_scoreChanged : m_pairChanged) = true; });
    f->show();
    return f;
}

void ResultEntry::removeGrid() {
    // The fields may be inside their own event handler: they go when it has returned.
    const auto drop = [](QWidget* w) {
        if (!w) return;
        w->hide();
        w->deleteLater();
    };
    for (GridRow& row : m_rows) {
        for (QWidget* w : {static_cast<QWidget*>(row.ns), static_cast<QWidget*>(row.nsPartner),
                           static_cast<QWidget*>(row.ew), static_cast<QWidget*>(row.ewPartner),
                           static_cast<QWidget*>(row.swap)})
            drop(w);
        for (QLineEdit* cell : row.cells) drop(cell);
    }
    for (QLabel* marker : m_nsMarkers) drop(marker);
    for (QLabel* marker : m_ewMarkers) drop(marker);
    m_rows.clear();
    m_nsMarkers.clear();
    m_ewMarkers.clear();
    m_fields.clear();
}

void ResultEntry::buildGrid() {
    removeGrid();
    m_shape = entryShape(m_contest);
    const bool individual = m_shape.individual;
    const int cellLeft = firstCellLeft(individual);
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    };
    m_rows.resize(static_cast<std::size_t>(m_shape.rows));
    for (int r = 0; r < m_shape.rows; ++r) {
        GridRow& row = m_rows[r];
        const int top = kFirstRowTop + kRowStep * r;
        const QString n = QString::number(r);
        // A section label ("B13") needs a wider field than a number.
        const int wide = m_shape.labelled ? 10 : 0;
        row.ns = makeField("EdNs" + n, 25 - wide, top, 30 + wide, r * 10 + 0, {r, FieldKind::Ns, 0});
        chain(row.ns);
        if (individual) {
            row.nsPartner =
                makeField("EdNsPartner" + n, 60, top, 30, r * 10 + 2, {r, FieldKind::NsPartner, 0});
            chain(row.nsPartner);
        }
        row.ew = makeField("EdEw" + n, individual ? 95 : 60 - wide / 2, top, 30 + wide, r * 10 + 1,
                           {r, FieldKind::Ew, 0});
        chain(row.ew);
        if (individual) {
            row.ewPartner =
                makeField("EdEwPartner" + n, 130, top, 30, r * 10 + 3, {r, FieldKind::EwPartner, 0});
            chain(row.ewPartner);
        }
        row.swap = new QLineEdit(this);
        row.swap->setObjectName("Swap" + n);
        row.swap->setGeometry(95 + wide / 2, top, 45 + 2 * wide, kFieldHeight);
        row.swap->setFrame(false);
        row.swap->setReadOnly(true);
        row.swap->setFocusPolicy(Qt::NoFocus);
        paint(row.swap, kLime, kBlack);
        row.swap->hide();
        for (int k = 0; k < m_shape.columns; ++k) {
            QLineEdit* cell = makeField(QString("EdScore%1_%2").arg(r).arg(k), cellLeft + kCellStep * k, top,
                                        kCellWidth, r * 10 + k, {r, FieldKind::Score, k});
            row.cells.push_back(cell);
            chain(cell);
        }
        row.swapped.assign(static_cast<std::size_t>(m_shape.columns), false);
    }
    for (int k = 0; k < m_shape.columns; ++k) {
        const int left = cellLeft + kCellStep * k;
        const int height = kFieldHeight / 3;
        for (auto* markers : {&m_nsMarkers, &m_ewMarkers}) {
            auto* marker = new QLabel(this);
            marker->setObjectName(QString(markers == &m_nsMarkers ? "VulNs%1" : "VulEw%1").arg(k));
            marker->setAutoFillBackground(true);
            marker->setGeometry(markers == &m_nsMarkers ? left : left + kCellWidth / 2, kFirstRowTop - height,
                                kCellWidth / 2, height);
            marker->show();
            markers->push_back(marker);
        }
    }
    // The heading may have become "N    S  -    Ö    V" (individual): it must show whole.
    LblResNE->move(25, 84);
    LblResNE->adjustSize();
    LblGivarNummer->move(individual ? 230 : 203, 87);
    m_built = true;
}

void ResultEntry::setRoundMode(bool on) {
    m_roundMode = on;
    if (on) {
        const BoardSpan span = roundSpan(m_contest, m_currentBoard);
        if (span.count() > 0) m_currentBoard = span.first;
    }
    setTitle(on ? " Ge resultat per rond (F7)" : " Ge resultat per bricka (F7)");
    const int columns = on ? m_shape.columns : 1;
    const int width = firstCellLeft(m_shape.individual) + kCellStep * (columns - 1) + kCellWidth + 25;
    const int height = kFirstRowTop + kRowStep * std::max(0, m_shape.rows - 1) + kFieldHeight + 30;
    resize(width, height);
    LblResorder->move(7, height - 22);
    layOutColumns();
    showHeadings();
    placeInWindow();
    placeViewsBelow();
}

int ResultEntry::visibleColumns() const {
    if (!m_roundMode) return 1;
    const int count = boardsOnView(m_contest, m_currentBoard, true).count();
    return std::clamp(count, 1, std::max(1, m_shape.columns));
}

void ResultEntry::layOutColumns() {
    const int visible = visibleColumns();
    for (GridRow& row : m_rows)
        for (int k = 0; k < static_cast<int>(row.cells.size()); ++k) row.cells[k]->setVisible(k < visible);
    for (int k = 0; k < static_cast<int>(m_nsMarkers.size()); ++k) {
        m_nsMarkers[k]->setVisible(k < visible);
        m_ewMarkers[k]->setVisible(k < visible);
    }
}

void ResultEntry::showHeadings() {
    LblGivNr->setText(QString::number(m_currentBoard));
    LblGivNr->adjustSize();
    LblGivarNummer->setText(toQt(columnHeadings(m_currentBoard, visibleColumns(), m_roundMode)));
    LblGivarNummer->adjustSize();
}

void ResultEntry::showOrderCaption() {
    switch (m_contest.resultOrder) {
    case PairOrder:
        LblResorder->setText("Parnr-ordning NS (F6)");
        break;
    case ScoreOrder:
        LblResorder->setText("Resultatordning (F6)");
        break;
    default:
        LblResorder->setText("Bords/spelordning (F6)");
        break;
    }
    LblResorder->adjustSize();
}

void ResultEntry::placeInWindow() {
    // The panel ends above the progress grid at the bottom of the window.
    const int available = std::max(150, m_client.height() - 180 - 16);
    const int shown = std::min(height(), available);
    const int bar = shown < height() ? m_scroll->verticalScrollBar()->sizeHint().width() : 0;
    m_scroll->setGeometry(8, 8, width() + bar, shown);
}

void ResultEntry::placeViewsBelow() {
    if (m_contest.boardsPerRound <= 2) return;
    const QRect area = m_scroll->geometry();
    const int top = area.bottom() + 1 + 40;
    const int bottom = std::min(m_client.height() - 50, m_client.height() - 180 - 10);
    // A grid too tall to leave room below keeps the views where they are.
    if (bottom - top < 120) return;
    m_panes.placeViewsBelow(area, bottom);
}

void ResultEntry::clearFields() {
    for (GridRow& row : m_rows) {
        for (QLineEdit* f : {row.ns, row.nsPartner, row.ew, row.ewPartner}) {
            if (!f) continue;
            f->clear();
            paint(f, kWhite, kBlack);
        }
        row.swap->clear();
        row.swap->hide();
        for (QLineEdit* cell : row.cells) {
            cell->clear();
            paint(cell, kWhite, kGrey);
        }
        row.seatsChange = false;
        std::fill(row.swapped.begin(), row.swapped.end(), false);
    }
}

void ResultEntry::showContents() {
    const int visible = visibleColumns();
    for (int k = 0; k < visible && k < static_cast<int>(m_nsMarkers.size()); ++k) {
        const int board = m_currentBoard + k;
        const auto mark = [](QLabel* marker, bool vulnerable) {
            QPalette palette = marker->palette();
            palette.setColor(QPalette::Window, vulnerable ? kRed : kWhite);
            marker->setPalette(palette);
        };
        mark(m_nsMarkers[k], nsVulnerable(board));
        mark(m_ewMarkers[k], ewVulnerable(board));
    }
    const auto contents = entryGridContents(m_contest, m_currentBoard, m_roundMode, m_shape);
    for (int r = 0; r < static_cast<int>(m_rows.size()) && r < static_cast<int>(contents.size()); ++r) {
        const EntryRowContent& c = contents[r];
        GridRow& row = m_rows[r];
        if (!c.present) continue;
        row.ns->setText(toQt(pairFieldText(m_contest, c.ns)));
        row.ew->setText(toQt(pairFieldText(m_contest, c.ew)));
        if (row.nsPartner) row.nsPartner->setText(toQt(pairFieldText(m_contest, c.nsPartner)));
        if (row.ewPartner) row.ewPartner->setText(toQt(pairFieldText(m_contest, c.ewPartner)));
        row.seatsChange = c.seatsChange;
        if (c.seatsChange) {
            for (QLineEdit* f : {row.ns, row.nsPartner, row.ew, row.ewPartner})
                if (f) paint(f, kYellow, kBlack);
            row.swap->setText(toQt(pairFieldText(m_contest, c.ew) + "-" + pairFieldText(m_contest, c.ns)));
            row.swap->show();
        }
        for (int k = 0; k < visible && k < static_cast<int>(c.cells.size()); ++k) {
            const EntryCellContent& cell = c.cells[k];
            row.swapped[k] = cell.swapped;
            QLineEdit* f = row.cells[k];
            if (cell.scored) f->setText(toQt(cell.text));
            QColor background = cell.doubtful ? kLightGrey : kWhite;
            QColor ink = inkColour(cell.scored ? cell.ink : ScoreInk::Unscored);
            if (c.seatsChange) {
                background = cell.swapped ? kLime : kYellow;
                ink = kBlack;
            }
            paint(f, background, ink);
        }
    }
}

void ResultEntry::fillGrid() {
    if (!m_built) return;
    if (entryShape(m_contest) != m_shape) {
        buildGrid();
        setRoundMode(m_roundMode && roundModeAllowed(m_currentBoard, false));
    } else if (m_roundMode && !roundModeAllowed(m_currentBoard, false)) {
        setRoundMode(false);
    }
    layOutColumns();
    showHeadings();
    clearFields();
    showContents();
    refreshViews();
    if (!m_roundMode) checkDuplicates();
}

void ResultEntry::refreshProgress() { m_panes.refreshProgress(); }

void ResultEntry::refreshViews() {
    refreshProgress();
    m_panes.showScoreTables(m_currentBoard, m_roundMode, panelGeometry());
    m_panes.refreshStandings();
}

bool ResultEntry::checkDuplicates() {
    std::vector<std::string> texts;
    std::vector<std::pair<QLineEdit*, bool>> fields;  // the field, and whether its row changes seats
    for (const GridRow& row : m_rows)
        for (QLineEdit* f : {row.ns, row.nsPartner, row.ew, row.ewPartner}) {
            if (!f) continue;
            texts.push_back(f->text().toStdString());
            fields.emplace_back(f, row.seatsChange);
        }
    const PairFieldCheck check = checkPairFields(m_contest, texts);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QColor background = check.states[i] != PairFieldState::Plain ? kLightRed
                                  : fields[i].second                       ? kYellow
                                                                           : kWhite;
        paintBackground(fields[i].first, background);
    }
    if (check.duplicates) m_duplicatesPending = true;
    return !check.duplicates;
}

EntryView ResultEntry::gridView(int eraseRow) {
    EntryView view;
    view.board = m_currentBoard;
    view.roundMode = m_roundMode;
    const int visible = visibleColumns();
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
        const GridRow& row = m_rows[r];
        const auto number = [&](QLineEdit* f) {
            if (!f) return 0;
            const std::string text = f->text().toStdString();
            const auto typed = wholeNumber(text);
            // A number beyond the highest pair number is no pair: it leaves its field.
            if (r == eraseRow && typed && *typed > m_contest.maxPairNumber) f->clear();
            return pairFieldNumber(m_contest, text);
        };
        EntryRow e;
        e.ns = number(row.ns);
        e.ew = number(row.ew);
        e.nsPartner = number(row.nsPartner);
        e.ewPartner = number(row.ewPartner);
        e.seatsChange = row.seatsChange;
        for (int k = 0; k < visible && k < static_cast<int>(row.cells.size()); ++k)
            e.scoreTexts.push_back(fromQtLossy(row.cells[k]->text()));
        view.rows.push_back(std::move(e));
    }
    return view;
}

QLineEdit* ResultEntry::field(int row, FieldKind kind, int column) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return nullptr;
    const GridRow& r = m_rows[row];
    switch (kind) {
    case FieldKind::Ns:
        return r.ns;
    case FieldKind::NsPartner:
        return r.nsPartner;
    case FieldKind::Ew:
        return r.ew;
    case FieldKind::EwPartner:
        return r.ewPartner;
    case FieldKind::Score:
        return column >= 0 && column < static_cast<int>(r.cells.size()) ? r.cells[column] : nullptr;
    }
    return nullptr;
}

QLineEdit* ResultEntry::nsField(int row) const { return field(row, FieldKind::Ns); }
QLineEdit* ResultEntry::scoreCell(int row, int column) const { return field(row, FieldKind::Score, column); }

void ResultEntry::focusField(QLineEdit* f) {
    if (!f) return;
    f->setFocus(Qt::OtherFocusReason);
    // A field entered from the keyboard is typed over, as the director expects.
    f->selectAll();
}

void ResultEntry::focusStart() {
    if (m_rows.empty()) return;
    focusField(m_rows[0].ns->text().isEmpty() ? m_rows[0].ns : m_rows[0].cells[0]);
}

}  // namespace vindelkast
