#include "lines/lines_window.h"

#include <exception>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "forms/form_manager.h"
#include "forms/metrics.h"
#include "league/env.h"
#include "league/list_key.h"
#include "league/overall.h"
#include "league/password.h"
#include "league/rating_columns.h"
#include "league/shared.h"
#include "lines/frm_farm_line.h"
#include "lines/frm_line.h"
#include "lines/slot_labels.h"
#include "main/client_app.h"
#include "main/hand_over.h"
#include "rules/autolines.h"
#include "rules/linesets.h"
#include "team/frm_team.h"

namespace dravik {

namespace {

using metrics::BoxHeight, metrics::LabelDrop, metrics::LabelHeight, metrics::Margin;

// Twips. The player list and its filters on the left, the pages of slots on
// the right, the ratings panel, the status and the commands below. The
// window leaves as much room right of the pages as left of the list, so the
// pages' and the panel's right borders are drawn.
constexpr int ListLeft = Margin, ListTop = 600, ListWidth = 2880, ListHeight = 4200;
constexpr int TabLeft = 3120, TabTop = 600, TabWidth = 9480, TabHeight = 5760;
constexpr int WindowWidth = TabLeft + TabWidth + Margin + 2 * metrics::WindowBorder, WindowHeight = 9180;
constexpr int PanelTop = 6480, PanelHeight = 840, PairStep = 720, PairWidth = 660;
// The command row, each button as wide as its caption needs. The pro
// window's partial automatic lines stands second.
constexpr int ButtonTop = 8160, ButtonGap = 75, ButtonHeight = 495;
constexpr int AutoLinesWidth = 1500, PartialLineLeft = Margin + AutoLinesWidth + ButtonGap,
              PartialLineWidth = 2325;
// Inside a page.
constexpr int PageTop = 480, RowStep = 420, HeadingWidth = 1200, SlotLeft = 1440, SlotStep = 1560,
              SlotWidth = 1500;

enum Page { NormalPage, SpecialPage, PenaltyKillPage, OthersPage, StrategyPage };

// Which labels of which element, in the order the day display fills them.
struct Shown {
    int id;
    int index;
};

std::vector<Shown> placeOrder() {
    std::vector<Shown> order;
    for (int k = 1; k <= 5; ++k)
        for (int id : {lbl::ExtraForward, lbl::ExtraDefense, lbl::PenaltyShot}) order.push_back({id, k});
    for (int i = 1; i <= 4; ++i)
        for (int id = lbl::NormalTrioC; id <= lbl::NormalTrioD2; ++id) order.push_back({id, i});
    for (int i = 1; i <= 2; ++i)
        for (int id : {lbl::PPTrioC, lbl::PPTrioLW, lbl::PPTrioRW, lbl::PPDuoD1, lbl::PPDuoD2, lbl::FourTrioC,
                       lbl::FourTrioW, lbl::FourDuoD1, lbl::FourDuoD2, lbl::PKTrioC, lbl::PKTrioW,
                       lbl::PKDuoD1, lbl::PKDuoD2, lbl::PK3TrioC, lbl::PK3DuoD1, lbl::PK3DuoD2})
            order.push_back({id, i});
    order.push_back({lbl::StartGoaler, 0});
    order.push_back({lbl::BackupGoaler, 0});
    return order;
}

const std::vector<Shown>& PlaceOrder() {
    static const std::vector<Shown> order = placeOrder();
    return order;
}

// The unit headings: which headings, which units of the rules engine's table
// they average, how the panel is titled and how a failure ends.
struct UnitHeading {
    ControlArray<Label> LinesWindow::*labels;
    SlotGroup group;
    const char* titlePrefix;
    const char* failure;
};

enum Heading { NormalHeading, PowerPlayHeading, FourVsFourHeading, PenaltyKillHeading, PenaltyKill3Heading };

const UnitHeading UnitHeadings[] = {
    {&LinesWindow::lblNormalTrio, SlotGroup::Normal, "Normal ", " in lblNormalTrio!"},
    {&LinesWindow::lblPPTrio, SlotGroup::PowerPlay, "PP ", " in lblPPTrio!"},
    {&LinesWindow::lbl44Trio, SlotGroup::FourVsFour, "4 vs 4 ", " in lbl44Trio!"},
    {&LinesWindow::lblPKTrio, SlotGroup::PenaltyKill, "PK ", " in lblPKTrio!"},
    {&LinesWindow::lblPK3Trio, SlotGroup::PenaltyKill3, "PK3 ", " in lblPK3Trio!"},
};

// The record number of the farm list's two entries that stand for no player:
// one no record has, so that they key apart from every player.
constexpr int16_t NoPlayerEntry = 32000;

const LineUnit* FindUnit(SlotGroup group, int number) {
    for (const LineUnit& u : LineUnits)
        if (u.group == group && u.number == number) return &u;
    return nullptr;
}

}  // namespace

LinesWindow::LinesWindow(FormManager& forms, ClientApp& app, std::string name, const LinesClub& club)
    : Form(forms, std::move(name)), club_(club), app_(app), env_(app.env()) {
    Move(0, 0, WindowWidth, WindowHeight);
    setCaption("Lines");

    int captions = 0;
    auto caption = [&](const char* text, int left, int top, int width) -> Label& {
        Label& l = Label1.add(captions++);
        l.setCaption(text);
        l.Move(left, top, width, LabelHeight);
        return l;
    };
    auto onPage = [&](Control& c, int page) { c.setContainer(TabLine, page); };

    lblTeamName.setCaption("Team Name");
    lblTeamName.Move(Margin, Margin, 4800, LabelHeight);
    lblGame.setCaption("For Game");
    lblGame.Move(5040, Margin, 5640, LabelHeight);
    // Up is the next day: the bar's top end is its Max.
    vscDay.setMin(1);
    vscDay.setMax(10);
    vscDay.setSmallChange(1);
    vscDay.setLargeChange(1);
    vscDay.setValue(1);
    vscDay.Move(10800, 60, 255, 480);

    lstPlayer.setSorted(true);
    lstPlayer.Move(ListLeft, ListTop, ListWidth, ListHeight);
    const char* positions[] = {"Center", "Left Wing", "Right Wing", "Defense", "Goalie"};
    for (int i = 1; i <= 5; ++i) {
        CheckBox& box = chkPosition(i);
        box.setCaption(positions[i - 1]);
        // Ticked before any handler is attached: the opening's own fill is the only one.
        box.setValue(1);
        box.Move(ListLeft, ListTop + ListHeight + 60 + (i - 1) * 270, ListWidth, LabelHeight);
    }

    TabLine.Move(TabLeft, TabTop, TabWidth, TabHeight);
    for (const char* page : {"Normal", "PP / 4 vs 4", "Penalty Kill", "Others", "Strategy"})
        TabLine.addTab(page);

    // A block of unit rows on a page: position captions, then per unit its
    // heading and slot labels side by side.
    auto block = [&](int page, int top, const char* section, std::initializer_list<const char*> places,
                     ControlArray<Label>& headings, std::initializer_list<int> ids) {
        if (section) {
            onPage(caption(section, 120, top, 3000), page);
            top += RowStep;
        }
        int column = 0;
        for (const char* place : places)
            onPage(caption(place, SlotLeft + column++ * SlotStep, top, SlotWidth), page);
        top += RowStep;
        for (int unit = headings.LBound(); unit <= headings.UBound(); ++unit) {
            Label& heading = headings(unit);
            heading.setCaption("Lines #" + std::to_string(unit));
            heading.Move(120, top, HeadingWidth, LabelHeight);
            onPage(heading, page);
            column = 0;
            for (int id : ids) {
                Label& l = slotLabel(id, unit);
                l.Move(SlotLeft + column++ * SlotStep, top, SlotWidth, LabelHeight);
                onPage(l, page);
            }
            top += RowStep;
        }
        return top;
    };
    block(NormalPage, PageTop, nullptr, {"C", "LW", "RW", "D", "D"}, lblNormalTrio,
          {lbl::NormalTrioC, lbl::NormalTrioLW, lbl::NormalTrioRW, lbl::NormalTrioD1, lbl::NormalTrioD2});
    int top = block(SpecialPage, PageTop, "PowerPlay", {"C", "LW", "RW", "D", "D"}, lblPPTrio,
                    {lbl::PPTrioC, lbl::PPTrioLW, lbl::PPTrioRW, lbl::PPDuoD1, lbl::PPDuoD2});
    block(SpecialPage, top + RowStep, "4 vs 4", {"C", "W", "D", "D"}, lbl44Trio,
          {lbl::FourTrioC, lbl::FourTrioW, lbl::FourDuoD1, lbl::FourDuoD2});
    top = block(PenaltyKillPage, PageTop, "5 vs 4 Penalty Kill", {"C", "W", "D", "D"}, lblPKTrio,
                {lbl::PKTrioC, lbl::PKTrioW, lbl::PKDuoD1, lbl::PKDuoD2});
    block(PenaltyKillPage, top + RowStep, "* vs 3 Penalty Kill", {"C", "D", "D"}, lblPK3Trio,
          {lbl::PK3TrioC, lbl::PK3DuoD1, lbl::PK3DuoD2});

    // Others: three columns of five places, then the goalies.
    const std::pair<const char*, int> columns[] = {{"Penalty Shots", lbl::PenaltyShot},
                                                   {"Extra Defensemen", lbl::ExtraDefense},
                                                   {"Extra Forwards", lbl::ExtraForward}};
    for (int c = 0; c < 3; ++c) {
        const int left = 120 + c * 3000;
        onPage(caption(columns[c].first, left, PageTop, 2880), OthersPage);
        for (int k = 1; k <= 5; ++k) {
            Label& l = slotLabel(columns[c].second, k);
            l.Move(left, PageTop + k * RowStep, 2880, LabelHeight);
            onPage(l, OthersPage);
        }
    }
    const int goalieTop = PageTop + 7 * RowStep;
    onPage(caption("Starting Goalie", 120, goalieTop, 2880), OthersPage);
    onPage(caption("Backup Goalie", 3120, goalieTop, 2880), OthersPage);
    Label& startGoaler = slotLabel(lbl::StartGoaler, 0);
    Label& backupGoaler = slotLabel(lbl::BackupGoaler, 0);
    startGoaler.Move(120, goalieTop + RowStep, 2880, LabelHeight);
    backupGoaler.Move(3120, goalieTop + RowStep, 2880, LabelHeight);
    onPage(startGoaler, OthersPage);
    onPage(backupGoaler, OthersPage);

    // Strategy: the points budget, three bars, the pull-goalie thresholds.
    onPage(caption("Strategy", 120, PageTop, 2880), StrategyPage);
    lblPointLeft.setCaption("Points Left :");
    lblPointLeft.Move(120, PageTop + RowStep, 1800, LabelHeight);
    lblPoint.setCaption("5");
    lblPoint.Move(1980, PageTop + RowStep, 600, LabelHeight);
    onPage(lblPointLeft, StrategyPage);
    onPage(lblPoint, StrategyPage);
    const char* styles[] = {"Physical Style : ", "Defense Style : ", "Offense Style : "};
    for (int i = 0; i <= 2; ++i) {
        const int row = PageTop + (3 + i) * RowStep;
        lblStats(i).setCaption(styles[i]);
        lblStats(i).Move(120, row, 1800, LabelHeight);
        lblStatsPoint(i).setCaption("0");
        lblStatsPoint(i).Move(1980, row, 360, LabelHeight);
        HScrollBar& bar = hscStats(i);
        bar.setMin(0);
        bar.setMax(5);
        bar.setSmallChange(1);
        bar.setLargeChange(1);
        bar.Move(2400, row, 3000, LabelHeight);
        for (Control* c : {static_cast<Control*>(&lblStats(i)), static_cast<Control*>(&lblStatsPoint(i)),
                           static_cast<Control*>(&bar)})
            onPage(*c, StrategyPage);
    }
    const int pullTop = PageTop + 7 * RowStep;
    onPage(caption("Minimum # of Goals :", 120, pullTop, 2160), StrategyPage);
    onPage(caption("Save PCT Under :", 120, pullTop + RowStep, 2160), StrategyPage);
    txtPullGoalerMinGoal.Move(2400, pullTop - LabelDrop, 720, BoxHeight);
    txtPullGoalerMinPct.Move(2400, pullTop + RowStep - LabelDrop, 720, BoxHeight);
    onPage(txtPullGoalerMinGoal, StrategyPage);
    onPage(txtPullGoalerMinPct, StrategyPage);

    // The ratings panel: 17 pairs, pair 0 (the position) leftmost.
    frmStat.setCaption("Stats");
    frmStat.Move(ListLeft, PanelTop, TabLeft + TabWidth - ListLeft, PanelHeight);
    for (int i = 0; i <= 16; ++i) {
        Label& head = lblStatLabel.add(i);
        Label& value = lblStat.add(i);
        head.setContainer(frmStat);
        value.setContainer(frmStat);
        head.Move(Margin + i * PairStep, 240, PairWidth, LabelHeight);
        value.Move(Margin + i * PairStep, 510, PairWidth, LabelHeight);
    }
    lblStatLabel(0).setCaption("PO");

    caption("Playing the Following Lines :", ListLeft, PanelTop + PanelHeight + 60, 2640);
    lblPlaying.Move(ListLeft + 2700, PanelTop + PanelHeight + 60, TabLeft + TabWidth - ListLeft - 2700,
                    LabelHeight);
    lblComplete.setCaption("Lines are incomplete");
    lblComplete.Move(ListLeft, PanelTop + PanelHeight + 390, 4800, LabelHeight);

    struct Command {
        CommandButton* button;  // null: the partial automatic lines' place, laid out by frmLine
        const char* caption;
        int width;
    };
    std::vector<Command> commands{{&cmdAutoLines, "Auto Made Lines", AutoLinesWidth}};
    if (club.partialAutoLines) commands.push_back({nullptr, nullptr, PartialLineWidth});
    commands.insert(commands.end(), {{&cmdCopy, "Copy Lines", 1275},
                                     {&cmdCopyAll, "Copy All Lines", 1500},
                                     {&cmdWipeLines, "Wipe Lines", 1275},
                                     {&cmdDebug, "Why are my lines incomplete?", 2850},
                                     {&cmdExit, "Exit", 960}});
    int left = Margin;
    for (const Command& k : commands) {
        if (k.button) {
            k.button->setCaption(k.caption);
            k.button->Move(left, ButtonTop, k.width, ButtonHeight);
        }
        left += k.width + ButtonGap;
    }

    vscDay.Change = [this] { vscDay_Change(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
    chkPosition.Click = [this](int index) { chkPosition_Click(index); };
    lstPlayer.Click = [this] { lstPlayer_Click(); };
    for (int id = 0; id < SlotLabelCount; ++id) {
        // The code reaches a slot label by its id, the forms layer and the Qt
        // backend by its name: the two must be the same table entry's.
        const SlotLabel& l = SlotLabels[id];
        if (slotLabel(id, l.count == 0 ? 0 : 1).Name() != l.name)
            throw std::logic_error(std::string("slot label ") + l.name + " is not the table's");
        if (ControlArray<Label>* labels = slotLabels_.arrays[id].get())
            labels->Click = [this, id](int i) { slotClick(id, i); };
        else
            slotLabels_.singles[id]->Click = [this, id] { slotClick(id, 0); };
    }

    lblNormalTrio.Click = [this](int i) { lblNormalTrio_Click(i); };
    lblPPTrio.Click = [this](int i) { lblPPTrio_Click(i); };
    lbl44Trio.Click = [this](int i) { lbl44Trio_Click(i); };
    lblPKTrio.Click = [this](int i) { lblPKTrio_Click(i); };
    lblPK3Trio.Click = [this](int i) { lblPK3Trio_Click(i); };

    hscStats.Change = [this](int i) { hscStats_Change(i); };
    txtPullGoalerMinGoal.LostFocus = [this] { txtPullGoalerMinGoal_LostFocus(); };
    txtPullGoalerMinPct.LostFocus = [this] { txtPullGoalerMinPct_LostFocus(); };

    cmdCopy.Click = [this] { cmdCopy_Click(); };
    cmdCopyAll.Click = [this] { cmdCopyAll_Click(); };
    cmdWipeLines.Click = [this] { cmdWipeLines_Click(); };
    cmdAutoLines.Click = [this] { cmdAutoLines_Click(); };
    cmdDebug.Click = [this] { cmdDebug_Click(); };
}

LinesWindow::SlotLabelControls::SlotLabelControls(Form* form) {
    for (int id = 0; id < SlotLabelCount; ++id) {
        const SlotLabel& l = SlotLabels[id];
        if (l.count == 0) {
            singles[id] = std::make_unique<Label>(form, l.name);
            continue;
        }
        arrays[id] = std::make_unique<ControlArray<Label>>(form, l.name);
        for (int i = 1; i <= l.count; ++i) arrays[id]->add(i);
    }
}

Label& LinesWindow::slotLabel(int id, int index) {
    if (ControlArray<Label>* labels = slotLabels_.arrays.at(id).get()) return (*labels)(index);
    return *slotLabels_.singles[id];
}

DayLines& LinesWindow::shownDay() { return club_.lines(env_, env_.state.CurrentTeam, CurrentDay); }

// ---------------------------------------------------------------------------
// Opening, game days, closing.

void LinesWindow::Form_Load() {
    CentreOnScreen();
    if (!GuardCurrentTeam(env_, *this, OnBadTeam::Close)) return;
    teamTaken_ = true;
    try {
        open();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, club_.loadFailure);
    } catch (const std::exception&) {
        // Whatever goes wrong while opening is the opening's own failure.
        ShowErrorBox(env_, RuntimeError(err::InternalError), club_.loadFailure);
    }
}

void LinesWindow::open() {
    if (env_.league.League.AutoMadeDisabled == True) {
        cmdAutoLines.setEnabled(false);
        if (partialLine_) partialLine_->setEnabled(false);
    }
    const std::string name = club_.name(env_.league.Teams[env_.state.CurrentTeam]).trimmed();
    setCaption(env_.state.WindowTitlePrefix + " - " + name + " - Lines");
    CurrentDay = 1;
    const int16_t days = findGameDays();
    if (days == 0) {
        vscDay.setEnabled(false);
        cmdCopy.setEnabled(false);
        lblGame.setCaption("Next Day Information Unavailable");
    } else if (days < 10) {
        vscDay.setMax(days);
    }
    lblTeamName.setCaption("Lines for " + name + " ");
    ShowPlayer();
    Place();
    if (club_.farm) {
        Check();
        TabLine.setTab(NormalPage);
    } else {
        TabLine.setTab(NormalPage);
        Check();
    }
}

int16_t LinesWindow::findGameDays() {
    const LeagueInfo& league = env_.league.League;
    if (league.NextDayInfoAvailable != True || league.NextDayInfoDisabled != 0) return 0;
    const int16_t team = env_.state.CurrentTeam;
    int16_t n = 0;
    for (int s = 1; s <= 5000 && n < 10; ++s) {
        const ScheduleGame& g = env_.league.Schedule[s];
        if (!club_.unplayed(g)) continue;
        // The second team is looked at first: a team on both sides counts as second.
        if (club_.team2(g) == team) {
            ++n;
            GameOfDay[n] = static_cast<int16_t>(s);
            IsFirstTeamOfDay[n] = False;
        } else if (club_.team1(g) == team) {
            ++n;
            GameOfDay[n] = static_cast<int16_t>(s);
            IsFirstTeamOfDay[n] = True;
        }
    }
    return n;
}

void LinesWindow::vscDay_Change() {
    CurrentDay = static_cast<int16_t>(vscDay.Value());
    Place();
    TabLine.setTab(NormalPage);
    Check();
}

void LinesWindow::cmdExit_Click() { Unload(); }

void LinesWindow::Form_Unload() {
    // A window that refused its team at opening has no lines to judge.
    if (teamTaken_ && club_.checkLine(env_, env_.state.CurrentTeam, False, 1, False) == False)
        MsgBox(env_, club_.dayOneIncomplete, mb::OKOnly | mb::Exclamation);
    ReturnToCaller(app_, *this);
}

// ---------------------------------------------------------------------------
// The player list and the ratings panel.

void LinesWindow::chkPosition_Click(int) { ShowPlayer(); }

void LinesWindow::ShowPlayer() {
    // Gathered, then added in one batch; a refill that fails still adds what
    // it had gathered.
    std::vector<ListEntry> entries;
    try {
        lstPlayer.Clear();
        for (int i = 0; i <= 16; ++i) {
            lblStat(i).setVisible(false);
            lblStatLabel(i).setVisible(false);
        }
        const int16_t team = env_.state.CurrentTeam;
        auto eligible = [&](const auto& p) {
            return p.InUse == True && p.Team == team && p.Condition >= 95 &&
                   p.RosterStatus == club_.rosterStatus && p.Suspension == 0;
        };
        auto add = [&](std::string text, int32_t key) { entries.push_back({std::move(text), key}); };
        for (int n = 1; n <= SkaterRecords; ++n) {
            const PlayerInfo& p = env_.league.Players[n];
            if (!eligible(p)) continue;
            if (p.Position < 1 || p.Position > 4) {
                MsgBox(env_, p.Name.trimmed() + " has no position!", mb::OKOnly | mb::Critical);
                continue;
            }
            if (chkPosition(p.Position).Value() >= 1)
                add(p.Name.trimmed(), EncodeListKey(p.Number, p.Position, NegativeKeys::Tens));
        }
        for (int n = 1; n <= GoalieRecords; ++n) {
            const GoalieInfo& g = env_.league.Goalies[n];
            if (eligible(g) && chkPosition(5).Value() >= 1)
                add(g.Name.trimmed(), EncodeListKey(g.Number, pos::G, NegativeKeys::Tens));
        }
        // Without a full farm lineup a farm slot may be left empty: these two
        // entries stand for no player.
        if (club_.placeholders && env_.league.League.FarmFullLineup == 0) {
            add(env_.league.Players[0].Name.trimmed(),
                EncodeListKey(NoPlayerEntry, pos::C, NegativeKeys::Tens));
            add(env_.league.Goalies[0].Name.trimmed(),
                EncodeListKey(NoPlayerEntry, pos::G, NegativeKeys::Tens));
        }
        lstPlayer.AddItems(entries);
    } catch (const RuntimeError& e) {
        lstPlayer.AddItems(entries);
        ShowErrorBox(env_, e, " in ShowPlayer!");
    }
}

void LinesWindow::lstPlayer_Click() {
    ProgramState& state = env_.state;
    try {
        for (int i = 1; i <= 16; ++i) {
            lblStat(i).setCaption("");
            lblStat(i).setVisible(false);
            lblStatLabel(i).setVisible(false);
        }
        const ListKey key = DecodeListKey(lstPlayer.ItemData(lstPlayer.ListIndex()), NegativeKeys::Tens);
        state.CurrentPlayerIndex = key.number;
        SelectedKind = key.kind;
        state.ShowGoalie = SelectedKind == 5 ? True : False;
        lblPlaying.setCaption("");
        if (club_.placeholders && state.CurrentPlayerIndex == NoPlayerEntry) {
            state.CurrentPlayerIndex = 0;
            for (int i = 0; i <= 16; ++i) {
                lblStat(i).setVisible(false);
                lblStatLabel(i).setVisible(false);
            }
            return;
        }
        const LeagueInfo& league = env_.league.League;
        lblStatLabel(0).setVisible(true);
        lblStat(0).setCaption(state.PositionNames[SelectedKind]);
        lblStat(0).setVisible(true);

        const bool goalie = state.ShowGoalie == True;
        const int16_t number = state.CurrentPlayerIndex;
        const bool overall = league.ShowOverallColumn == True;
        const int16_t kind = goalie ? 5 : SelectedKind;
        // Only the array the entry names: a skater's number may lie past the goalies.
        std::span<const int16_t> ratings;
        std::string name;
        if (goalie) {
            const GoalieInfo& g = env_.league.Goalies[number];
            ratings = g.Ratings;
            name = g.Name.trimmed();
        } else {
            const PlayerInfo& p = env_.league.Players[number];
            ratings = p.Ratings;
            name = p.Name.trimmed();
        }
        // The farm panel keeps its title: a unit's averages may stand there.
        if (!club_.keepsFrameTitle) frmStat.setCaption(name);
        // Each pair is written before the next one's value is worked out: a
        // mean that overflows leaves the pairs before it on show.
        const RatingColumns cols = ColumnCaptions(state, league.ShowAllRatings, goalie);
        const int values = ValueColumns(league.ShowAllRatings, goalie);
        for (int k = 1; k <= cols.count; ++k) {
            lblStatLabel(k).setCaption(cols.caption[k]);
            std::string value;
            if (k <= values)
                value = std::to_string(ColumnValue(league.ShowAllRatings, goalie, ratings, k));
            lblStat(k).setCaption(value);
            lblStatLabel(k).setVisible(true);
            lblStat(k).setVisible(true);
        }
        if (overall) {
            const int k = cols.count + 1;
            lblStatLabel(k).setCaption(cols.caption[k]);
            lblStat(k).setCaption(std::to_string(PlayerOverall(env_, kind, number)));
            lblStatLabel(k).setVisible(true);
            lblStat(k).setVisible(true);
        }
        if (!goalie) {
            const int16_t team = state.CurrentTeam;
            lblPlaying.setCaption("(" +
                                  std::to_string(club_.playOnLineInteger(env_, team, number, CurrentDay)) +
                                  ") - " + club_.playOnLineString(env_, team, number, CurrentDay));
        }
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, club_.selectFailure);
    }
}

// ---------------------------------------------------------------------------
// The shown day and its status.

void LinesWindow::Place() {
    // Off before anything else: a display that fails half-way must not leave
    // the previous day's bars live over this day's values.
    StrategyLoaded = False;
    try {
        const int16_t team = env_.state.CurrentTeam;
        const int16_t game = GameOfDay.at(CurrentDay);
        if (game != 0) {
            const ScheduleGame& g = env_.league.Schedule[game];
            const int16_t opponent =
                IsFirstTeamOfDay.at(CurrentDay) == True ? club_.team2(g) : club_.team1(g);
            lblGame.setCaption("Lines " + std::to_string(CurrentDay) + " - For Game " +
                               std::to_string(g.GameNumber) + " vs " +
                               club_.name(env_.league.Teams[opponent]).trimmed());
        }

        const DayLines& day = club_.lines(env_, team, CurrentDay);
        for (const Shown& s : PlaceOrder()) {
            const bool goalie = SlotLabels[s.id].rule == SlotRule::Goalie;
            const int16_t n = day.Slots[SlotLabelWord(s.id, s.index)];
            // A number past the records names nobody: the stored day is corrupt.
            if (n < 0 || n > (goalie ? GoalieRecords : SkaterRecords)) raiseError(err::SubscriptOutOfRange);
            std::string text;
            if (n != 0 || club_.placeholders)
                text = goalie ? env_.league.Goalies[n].Name.trimmed() : env_.league.Players[n].Name.trimmed();
            slotLabel(s.id, s.index).setCaption(text);
        }

        PointsLeft = 5;
        for (int i = 0; i <= 2; ++i) {
            const int16_t v = day.Slots[slot::Strategy + i];
            if (v < 0 || v > 5) raiseError(err::InvalidPropertyValue);
            hscStats(i).setValue(v);
            lblStatsPoint(i).setCaption(std::to_string(v));
            PointsLeft = sub16(PointsLeft, v);
        }

        const LeagueInfo& league = env_.league.League;
        const int16_t pct = day.Slots[slot::PullGoalerMinPct];
        const int16_t goals = day.Slots[slot::PullGoalerMinGoal];
        txtPullGoalerMinPct.setText(std::to_string(pct != 0 ? pct : league.DefaultPullGoalerMinPct));
        txtPullGoalerMinGoal.setText(std::to_string(goals != 0 ? goals : league.DefaultPullGoalerMinGoal));

        StrategyLoaded = True;
        lblPoint.setCaption(std::to_string(PointsLeft));
        lblPlaying.setCaption("");
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in Place!");
    }
}

void LinesWindow::Check() {
    ProgramState& state = env_.state;
    const int16_t team = state.CurrentTeam;
    auto showStatus = [&] {
        const bool complete = club_.checkLine(env_, team, False, CurrentDay, False) == True;
        lblComplete.setCaption(complete ? "Lines are Complete" : "Lines are Incomplete");
        cmdDebug.setEnabled(!complete);
    };
    auto showPlaying = [&] {
        if (state.CurrentPlayerIndex == 0 || state.ShowGoalie != 0) return;
        const int16_t n = state.CurrentPlayerIndex;
        lblPlaying.setCaption("(" + std::to_string(club_.playOnLineInteger(env_, team, n, CurrentDay)) +
                              ") - " + club_.playOnLineString(env_, team, n, CurrentDay));
    };
    if (club_.farm) {
        // The farm status tells where he played before the check's repairs.
        state.DataChanged = True;
        showPlaying();
        showStatus();
        return;
    }
    showStatus();
    showPlaying();
    // Only ever enabled here; the sheet's own activation disables it. A
    // sheet that is not loaded is not created for it.
    if (club_.checkLine(env_, team, False, 1, False) == True)
        if (frmTeam* sheet = forms().get<frmTeam>()) sheet->cmdSaveToFile.setEnabled(true);
    state.DataChanged = True;
}

// ---------------------------------------------------------------------------
// Slot clicks.

bool LinesWindow::takes(const SlotLabel& l) const {
    if (lstPlayer.ListIndex() == -1) return false;
    const ProgramState& state = env_.state;
    const bool goalie = state.ShowGoalie != 0;
    switch (l.rule) {
        case SlotRule::Skater:
            return !goalie;
        case SlotRule::Goalie:
            return goalie;
        case SlotRule::ExtraForward:
            return !goalie && SelectedKind >= 1 && SelectedKind <= 3;
        case SlotRule::ExtraDefense:
            // The farm's "Unknown Player" (kind 1) may empty an extra-defense place.
            return !goalie && (SelectedKind == 4 || (club_.placeholders && state.CurrentPlayerIndex == 0));
    }
    return false;
}

void LinesWindow::slotClick(int id, int index) {
    const SlotLabel& l = SlotLabels[id];
    if (!takes(l)) return;
    const int16_t n = env_.state.CurrentPlayerIndex;
    shownDay().Slots[SlotLabelWord(l, index)] = n;
    slotLabel(id, index).setCaption(l.rule == SlotRule::Goalie ? env_.league.Goalies[n].Name.trimmed()
                                                               : env_.league.Players[n].Name.trimmed());
    Check();
}

// ---------------------------------------------------------------------------
// Unit averages.

void LinesWindow::lblNormalTrio_Click(int index) { headingClick(NormalHeading, index); }
void LinesWindow::lblPPTrio_Click(int index) { headingClick(PowerPlayHeading, index); }
void LinesWindow::lbl44Trio_Click(int index) { headingClick(FourVsFourHeading, index); }
void LinesWindow::lblPKTrio_Click(int index) { headingClick(PenaltyKillHeading, index); }
void LinesWindow::lblPK3Trio_Click(int index) { headingClick(PenaltyKill3Heading, index); }

void LinesWindow::headingClick(int which, int index) {
    const UnitHeading& h = UnitHeadings[which];
    try {
        const Label& heading = (this->*h.labels)(index);
        const LineUnit* unit = FindUnit(h.group, index);
        if (!unit) raiseError(err::SubscriptOutOfRange);
        const DayLines& day = club_.lines(env_, env_.state.CurrentTeam, CurrentDay);

        // An empty slot stands for the placeholder record 0, and the unit's
        // full size divides whatever is empty. Each player counts with the
        // overall of his own position, not the slot's.
        std::array<int16_t, 15> sums{};
        int16_t overallSum = 0;
        for (int k = 0; k < unit->size; ++k) {
            const int16_t n = day.Slots[SkaterSlots[unit->slots[k]].word];
            if (n < 0 || n > SkaterRecords) raiseError(err::SubscriptOutOfRange);
            const PlayerInfo& p = env_.league.Players[n];
            for (int r = 0; r < 15; ++r) sums[r] = add16(sums[r], p.Ratings[r]);
            overallSum = add16(overallSum, PlayerOverall(env_, p.Position, n));
        }
        const double size = unit->size;
        std::array<int16_t, 15> averages{};
        for (int r = 0; r < 15; ++r) averages[r] = roundToInt16(sums[r] / size);
        const int16_t overall = roundToInt16(overallSum / size);

        lblStatLabel(0).setVisible(true);
        lblStat(0).setCaption("T");
        lblStat(0).setVisible(true);
        frmStat.setCaption(h.titlePrefix + heading.Caption());

        const LeagueInfo& league = env_.league.League;
        const RatingColumns cols = SkaterColumns(env_.state, league.ShowAllRatings, averages, overall);
        const int last = league.ShowOverallColumn == True ? cols.count + 1 : cols.count;
        for (int k = 1; k <= last; ++k) {
            lblStatLabel(k).setCaption(cols.caption[k]);
            lblStat(k).setCaption(cols.value[k]);
            lblStat(k).setVisible(true);
            lblStatLabel(k).setVisible(true);
        }
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, h.failure);
    }
}

// ---------------------------------------------------------------------------
// Strategy and pull-goalie values of the shown day.

void LinesWindow::hscStats_Change(int index) {
    // Place is loading the bars: the day already holds their values.
    if (StrategyLoaded != True) return;
    int16_t sum = 0;
    for (int i = 0; i <= 2; ++i) sum = add16(sum, hscStats(i).Value());
    HScrollBar& bar = hscStats(index);
    if (sum <= 5) {
        const int16_t v = static_cast<int16_t>(bar.Value());
        lblStatsPoint(index).setCaption(std::to_string(v));
        shownDay().Slots[slot::Strategy + index] = v;
        PointsLeft = sub16(5, sum);
        lblPoint.setCaption(std::to_string(PointsLeft));
        return;
    }
    // Over the budget: back to the last value taken, without a word. Setting
    // it runs this handler again, which finds the old sum.
    bar.setValue(LeadingNumber(lblStatsPoint(index).Caption()));
}

void LinesWindow::txtPullGoalerMinGoal_LostFocus() {
    pullGoalieLostFocus(txtPullGoalerMinGoal, slot::PullGoalerMinGoal);
}

void LinesWindow::txtPullGoalerMinPct_LostFocus() {
    pullGoalieLostFocus(txtPullGoalerMinPct, slot::PullGoalerMinPct);
}

void LinesWindow::pullGoalieLostFocus(TextBox& box, int word) {
    ProgramState& state = env_.state;
    if (state.EditGuard == True) return;
    bool taken = CheckInput(env_, box.Text(), 0, False, False) == True;
    if (taken) {
        // The number the text begins with: "12-3" is 12, "--5" is 0. One
        // that its word cannot hold is refused like any other bad input.
        const int32_t n = LeadingNumber(box.Text());
        if (n < -32768 || n > 32767) {
            MsgBox(env_, "No Valid Input!", mb::OKOnly | mb::Exclamation);
            taken = false;
        } else {
            shownDay().Slots[word] = static_cast<int16_t>(n);
            state.DataChanged = True;
        }
    }
    if (taken) return;
    // Put down however the focus move ends: a guard left on would silence
    // every later check.
    EditGuardScope guard(state.EditGuard, EditGuardScope::SetFalse);
    box.SetFocus();
}

// ---------------------------------------------------------------------------
// Commands on the whole shown day.

void LinesWindow::Copy(int16_t target) {
    try {
        const int16_t team = env_.state.CurrentTeam;
        const DayLines& from = club_.lines(env_, team, CurrentDay);
        DayLines& to = club_.lines(env_, team, target);
        for (int w = 0; w < slot::Count; ++w)
            if (!IsUnusedWord(w)) to.Slots[w] = from.Slots[w];
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in Copy!");
    }
}

void LinesWindow::cmdCopy_Click() {
    try {
        const std::string reply =
            env_.dialogs.inputBox("What day do you have to copy your lines?", ProductName, "", false);
        const int16_t target = roundToInt16(LeadingValue(reply));
        const int days = vscDay.Max();
        if (target > days || target < 1) {
            MsgBox(env_, "Please entry a number between 1 and " + std::to_string(days) + ".",
                   mb::OKOnly | mb::Exclamation);
            return;
        }
        const std::string from = std::to_string(CurrentDay), to = std::to_string(target);
        MsgBox(env_, "Are you want to you want to copy the lines from day " + from + " to day " + to + "?",
               mb::YesNo | mb::Question);
        if (env_.state.LastMsgBoxResult != mb::Yes) return;
        Copy(target);
        MsgBox(env_, "Lines " + from + " was successfully copy to Lines " + to + ".",
               mb::OKOnly | mb::Information);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdCopy!");
    }
}

void LinesWindow::cmdCopyAll_Click() {
    try {
        const std::string from = std::to_string(CurrentDay);
        MsgBox(env_,
               "Are you want to you want to copy the lines from day " + from + " to day all the others day?",
               mb::YesNo | mb::Question);
        if (env_.state.LastMsgBoxResult != mb::Yes) return;
        // Every other day of the ten, also those no game was found for.
        for (int16_t d = 1; d <= 10; ++d)
            if (d != CurrentDay) Copy(d);
        MsgBox(env_, "Lines " + from + " was successfully copy to day all the others day.",
               mb::OKOnly | mb::Information);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdCopyall!");
    }
}

void LinesWindow::cmdWipeLines_Click() {
    try {
        MsgBox(env_, "Are you sure you want to wipe your lines?", mb::YesNo | mb::Question);
        if (env_.state.LastMsgBoxResult != mb::Yes) return;
        WipesLines(env_, env_.state.CurrentTeam, CurrentDay, club_.proSet());
        Place();
        Check();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdWipeLines!");
    }
}

void LinesWindow::cmdAutoLines_Click() {
    try {
        // The day is shown again also when the maker gave up.
        club_.autoLines(env_, env_.state.CurrentTeam, True, CurrentDay);
        Place();
        Check();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdAutoLines!");
    }
}

void LinesWindow::cmdDebug_Click() {
    // Only the findings: the display keeps what it showed, even where the
    // check took an ineligible player out of the lines.
    club_.checkLine(env_, env_.state.CurrentTeam, True, CurrentDay, False);
}

// ---------------------------------------------------------------------------

frmLine::frmLine(FormManager& forms, ClientApp& app) : LinesWindow(forms, app, "frmLine", ProClub) {
    partialLine_ = &cmdPartialLine;
    cmdPartialLine.setCaption("Partial Auto Made Lines");
    cmdPartialLine.Move(PartialLineLeft, ButtonTop, PartialLineWidth, ButtonHeight);
    cmdPartialLine.Click = [this] { cmdPartialLine_Click(); };
}

void frmLine::cmdPartialLine_Click() {
    try {
        AutoLinesPartial(env_, env_.state.CurrentTeam, True, CurrentDay);
        Place();
        Check();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdPartialLine!");
    }
}

frmFarmLine::frmFarmLine(FormManager& forms, ClientApp& app)
    : LinesWindow(forms, app, "frmFarmLine", FarmClub) {}

}  // namespace dravik
