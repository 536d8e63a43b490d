#include "team/frm_team.h"

#include <new>
#include <string>

#include "forms/form_manager.h"
#include "forms/metrics.h"
#include "league/env.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "main/hand_over.h"
#include "platform/formats.h"
#include "rules/linecheck.h"
#include "rules/payroll.h"
#include "rules/roster.h"
#include "team/frm_roster.h"
#include "team/frm_ticket.h"
#include "team/lines_file.h"

namespace dravik {

namespace {

using metrics::BoxHeight, metrics::ButtonHeight, metrics::LabelDrop, metrics::LabelHeight, metrics::Margin,
    metrics::RowHeight, metrics::WideMargin;

// Twips. The caption labels stand left of their values; the widest
// captions (the dotted finance ones) have room for their dots.
constexpr int ProTop = WideMargin, ProCaptionLeft = WideMargin, ProCaptionWidth = 2280, ProValueLeft = 2580,
              ProValueWidth = 3240;
constexpr int FarmLeft = 6120, FarmTop = Margin, FarmWidth = 4440, FarmHeight = 2310;
constexpr int FarmRowTop = 300, FarmCaptionLeft = Margin, FarmCaptionWidth = 1800, FarmValueLeft = 1980,
              FarmValueWidth = 2340;
constexpr int FinanceTop = 2640, FinanceRow = 330, FinanceCaptionWidth = 3000, FinanceValueLeft = 9180,
              FinanceValueWidth = 1380;
constexpr int ButtonTop = 6000, ButtonLeft = WideMargin, ButtonStep = 1485, ButtonWidth = 1410;

std::string trimBlanks(const std::string& s) {
    const std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

frmTeam::frmTeam(FormManager& forms, ClientApp& app)
    : Form(forms, "frmTeam"), app_(app), env_(app.env()), formats_(app.services().formats) {
    Move(0, 0, 10815, 7020);
    setCaption("Team");

    // The pro block: caption, value control, and whether the value is a box.
    struct Row {
        const char* caption;
        Control* value;
        int width;
    };
    const Row pro[] = {
        {"Team Name :", &txtTeamName, ProValueWidth},
        {"Division :", &lblDivision, ProValueWidth},
        {"Conference :", &lblConference, ProValueWidth},
        {"Team Abbreviation :", &txtAbbre, 600},
        {"PayRoll :", &lblProPayRoll, ProValueWidth},
        {"Morale :", &txtProMorale, 480},
        {"General Manager :", &txtGm, ProValueWidth},
        {"Email :", &txtEmail, ProValueWidth},
        {"Messenger ID :", &txtMessenger, ProValueWidth},
        {"City :", &txtCity, ProValueWidth},
        {"Coach :", &lblCoach, ProValueWidth},
        {"Number of Load Lines :", &lblLoadLine, ProValueWidth},
    };
    int index = 0;
    for (const Row& r : pro) {
        const int top = ProTop + index * RowHeight;
        Label& caption = Label1.add(index++);
        caption.setCaption(r.caption);
        caption.Move(ProCaptionLeft, top + LabelDrop, ProCaptionWidth, LabelHeight);
        const bool box = r.value->kind() == Control::Kind::TextBox;
        r.value->Move(ProValueLeft, box ? top : top + LabelDrop, r.width, box ? BoxHeight : LabelHeight);
    }

    Frame1.setCaption("Farm Team :");
    Frame1.Move(FarmLeft, FarmTop, FarmWidth, FarmHeight);
    const Row farm[] = {
        {"Team Name :", &txtFarmTeamName, FarmValueWidth}, {"Team Abbreviation :", &txtFarmAbbre, 600},
        {"PayRoll :", &lblFarmPayRoll, FarmValueWidth},    {" Morale :", &txtFarmMorale, 480},
        {"Coach :", &lblFarmCoach, FarmValueWidth},
    };
    for (int k = 0; k < 5; ++k) {
        const Row& r = farm[k];
        const int top = FarmRowTop + k * RowHeight;
        Label& caption = Label1.add(index++);
        caption.setCaption(r.caption);
        caption.setContainer(Frame1);
        caption.Move(FarmCaptionLeft, top + LabelDrop, FarmCaptionWidth, LabelHeight);
        const bool box = r.value->kind() == Control::Kind::TextBox;
        r.value->setContainer(Frame1);
        r.value->Move(FarmValueLeft, box ? top : top + LabelDrop, r.width, box ? BoxHeight : LabelHeight);
    }

    const Row finance[] = {
        {"Current Bank Account :", &lblFinance, 0},
        {"Home Games Remaining ............", &lblHGLeft, 0},
        {"Average Attendance Per Game ..", &lblAverageAttendance, 0},
        {"Average Income Per Game..........", &lblAverageIncome, 0},
        {"Estimated Season Revenue ......", &lblEstimatedRevenue, 0},
        {"Games Remaining ........................", &lblGameLeft, 0},
        {"Expenses Per Game ....................", &lblExpensesPerGame, 0},
        {"Estimated Season Expenses ....", &lblEstimatedSeasonExpense, 0},
        {"Projected Bank Account .....", &lblEstimatedBankAccount, 0},
    };
    for (int k = 0; k < 9; ++k) {
        const int top = FinanceTop + k * FinanceRow;
        Label& caption = Label1.add(index++);
        caption.setCaption(finance[k].caption);
        caption.Move(FarmLeft, top, FinanceCaptionWidth, LabelHeight);
        Label& value = static_cast<Label&>(*finance[k].value);
        value.setCaption("0");
        value.Move(FinanceValueLeft, top, FinanceValueWidth, LabelHeight);
    }

    lblDivision.setCaption("Division");
    lblConference.setCaption("Conference");
    lblProPayRoll.setCaption("0");
    lblFarmPayRoll.setCaption("0");
    lblLoadLine.setCaption("0");

    for (TextBox* box : {&txtTeamName, &txtGm, &txtEmail, &txtMessenger, &txtCity, &txtFarmTeamName})
        box->setMaxLength(40);
    for (TextBox* box : {&txtAbbre, &txtFarmAbbre}) box->setMaxLength(3);
    for (TextBox* box : {&txtProMorale, &txtFarmMorale}) box->setMaxLength(2);
    // Shown, never typed into.
    for (TextBox* box : {&txtTeamName, &txtAbbre, &txtProMorale, &txtGm, &txtCity, &txtFarmTeamName,
                         &txtFarmAbbre, &txtFarmMorale})
        box->setEnabled(false);

    const std::pair<CommandButton*, const char*> buttons[] = {
        {&CmdRoster, "Roster"},
        {&cmdLines, "Lines"},
        {&cmdFarmLines, "Farm Lines"},
        {&cmdTicketArena, "Tickets && Arena"},
        {&cmdSaveToFile, "Save to File"},
        {&cmdLoadFile, "Load File"},
        {&cmdExit, "Exit"},
    };
    for (int k = 0; k < 7; ++k) {
        buttons[k].first->setCaption(buttons[k].second);
        buttons[k].first->Move(ButtonLeft + k * ButtonStep, ButtonTop, ButtonWidth, ButtonHeight);
    }

    CmdRoster.Click = [this] { CmdRoster_Click(); };
    cmdLines.Click = [this] { cmdLines_Click(); };
    cmdFarmLines.Click = [this] { cmdFarmLines_Click(); };
    cmdTicketArena.Click = [this] { cmdTicketArena_Click(); };
    cmdSaveToFile.Click = [this] { cmdSaveToFile_Click(); };
    cmdLoadFile.Click = [this] { cmdLoadFile_Click(); };
    cmdExit.Click = [this] { Unload(); };
    txtEmail.LostFocus = [this] { txtEmail_LostFocus(); };
    txtMessenger.LostFocus = [this] { txtMessenger_LostFocus(); };
}

TeamInfo& frmTeam::team() const { return env_.league.Teams[env_.state.CurrentTeam]; }

void frmTeam::Form_Load() {
    CentreOnScreen();
    fill();
}

void frmTeam::ReloadForm() { fill(); }

void frmTeam::fill() {
    try {
        if (env_.league.League.FarmLinesEnabled == 0) cmdFarmLines.setEnabled(false);
        if (!GuardCurrentTeam(env_, *this, OnBadTeam::Close)) return;
        const TeamInfo& t = team();
        setCaption(env_.state.WindowTitlePrefix + " - " + t.Name.trimmed());

        txtTeamName.setText(t.Name.trimmed());
        txtAbbre.setText(t.Abbreviation.raw());
        txtProMorale.setText(std::to_string(t.Morale));
        txtGm.setText(t.GeneralManager.trimmed());
        txtEmail.setText(t.Email.trimmed());
        txtMessenger.setText(t.MessengerId.trimmed());
        txtCity.setText(t.City.trimmed());
        lblLoadLine.setCaption(std::to_string(t.LoadLineCount));
        txtFarmTeamName.setText(t.Farm.Name.trimmed());
        txtFarmAbbre.setText(t.Farm.Abbreviation.raw());
        txtFarmMorale.setText(std::to_string(t.Farm.Morale));

        lblCoach.setCaption(t.Coach < 1 ? std::string() : env_.league.Coaches[t.Coach].Name.trimmed());
        lblFarmCoach.setCaption(t.Farm.Coach < 1 ? std::string()
                                                 : env_.league.Coaches[t.Farm.Coach].Name.trimmed());

        if (t.Division < 1 || t.Division > 6) raiseError(err::SubscriptOutOfRange);
        const DivisionInfo& division = env_.league.League.Divisions[t.Division - 1];
        lblDivision.setCaption(division.Name.trimmed());
        if (division.Conference < 1 || division.Conference > 2) raiseError(err::SubscriptOutOfRange);
        lblConference.setCaption(env_.league.League.ConferenceNames[division.Conference - 1].trimmed());

        UpdateFinance();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in FormLoad FrmTeam!");
    }
}

void frmTeam::UpdateFinance() {
    try {
        const int16_t current = env_.state.CurrentTeam;
        const TeamInfo& t = team();
        auto money = [this](double amount) { return formats_.currencyWhole(amount); };

        lblFinance.setCaption(money(t.BankAccount));
        lblProPayRoll.setCaption(money(roundToInt32(ProPayroll(env_, current))));
        lblFarmPayRoll.setCaption(money(roundToInt32(FarmPayroll(env_, current))));

        if (t.GamesInSeason < 2) {
            lblHGLeft.setCaption("0");
            lblGameLeft.setCaption("0");
            lblAverageAttendance.setCaption("0");
            lblAverageIncome.setCaption(money(0));
            lblEstimatedRevenue.setCaption(money(0));
            lblExpensesPerGame.setCaption(money(0));
            lblEstimatedSeasonExpense.setCaption(money(0));
            lblEstimatedBankAccount.setCaption(money(t.BankAccount));
            return;
        }

        const int32_t expense = ExpensePerGame(env_, current);
        const int16_t gamesLeft = sub16(t.GamesInSeason, t.GamesPlayed);
        const int32_t seasonExpense = mul32(gamesLeft, expense);
        // Half of the season's games are home games, an odd season's half
        // game included.
        const double homeGamesLeft = t.GamesInSeason / 2.0 - t.HomeGamesPlayed;
        lblHGLeft.setCaption(formats_.generalNumber(homeGamesLeft));
        lblGameLeft.setCaption(std::to_string(gamesLeft));

        if (t.HomeGamesPlayed <= 0 || env_.league.League.HideFinanceEstimates != 0) {
            lblExpensesPerGame.setCaption(money(0));
            lblEstimatedSeasonExpense.setCaption(money(0));
            lblAverageAttendance.setCaption("0");
            lblAverageIncome.setCaption(money(0));
            lblEstimatedBankAccount.setCaption(money(t.BankAccount));
            lblEstimatedRevenue.setCaption(money(0));
            return;
        }

        const double h = t.HomeGamesPlayed;
        lblExpensesPerGame.setCaption(money(expense));
        lblEstimatedSeasonExpense.setCaption(money(seasonExpense));
        const int32_t revenue = roundToInt32(homeGamesLeft * (t.TotalIncome / h));
        lblAverageAttendance.setCaption(formats_.fixedTwo(t.TotalAttendance / h));
        lblAverageIncome.setCaption(money(t.TotalIncome / h));
        lblEstimatedBankAccount.setCaption(money(sub32(add32(t.BankAccount, revenue), seasonExpense)));
        lblEstimatedRevenue.setCaption(money(revenue));
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in UpdateFinance!");
    }
}

void frmTeam::Form_Activate() {
    const int16_t current = env_.state.CurrentTeam;
    if (current < 1 || current > 100) return;
    // Both checks run every time: each may clean day 1 of its lines.
    const Flag farm = CheckLineFarm(env_, current, False, 1, False);
    const Flag pro = CheckLine(env_, current, False, 1, False);
    cmdSaveToFile.setEnabled(farm == True && pro == True);
}

void frmTeam::Form_Unload() {
    Hide();
    if (frmMain* main = app_.mainWindow()) main->Show();
}

void frmTeam::CmdRoster_Click() {
    env_.state.CallerFormName = "Team";
    if (app_.openers().roster) app_.openers().roster(*this);
}

void frmTeam::cmdLines_Click() {
    if (CheckRoster(env_, env_.state.CurrentTeam, False, True, False) == False) {
        MsgBox(env_, "Roster is incomplete!\r\nYou cannot make your lines if your roster is incomplete!",
               mb::OKOnly | mb::Exclamation);
        return;
    }
    env_.state.CallerFormName = "Team";
    if (app_.openers().proLines) app_.openers().proLines(*this);
}

void frmTeam::cmdFarmLines_Click() {
    env_.state.CallerFormName = "Team";
    if (app_.openers().farmLines) app_.openers().farmLines(*this);
}

void frmTeam::cmdTicketArena_Click() { open<frmTicket>(app_); }

void frmTeam::cmdSaveToFile_Click() { SaveTeamLinesFile(env_, app_.programFolder(), env_.state.CurrentTeam); }

void frmTeam::cmdLoadFile_Click() {
    std::string path;
    try {
        frmMain* main = app_.mainWindow();
        if (!main) raiseError(err::InvalidCall);
        CommonDialog& dialog = main->dlgCommon;
        dialog.setFileName("");
        dialog.setCancelError(true);
        dialog.setInitDir(app_.programFolder());
        dialog.setFlags(4);
        dialog.setFilter("ZELT Client File (*.zln) |*.zln|All Files (*.*) | *.*");
        dialog.ShowOpen();
        path = dialog.FileName();
    } catch (const RuntimeError& e) {
        if (e.number() != err::CancelSelected) ShowErrorBox(env_, e, " in cmdLoadFile!");
        return;
    }
    if (LoadTeamLinesFile(env_, env_.state.CurrentTeam, path) != LoadResult::Loaded) return;
    ReloadForm();
    MsgBox(env_, LoadedMessage(team().Name.trimmed(), path), mb::OKOnly | mb::Information);
}

void frmTeam::txtEmail_LostFocus() {
    TeamInfo& t = team();
    t.Email = txtEmail.Text();
    env_.log.LogMessage(t.Name.trimmed() + " Email Address was change to " + trimBlanks(txtEmail.Text()) +
                        ".");
    env_.state.DataChanged = True;
}

void frmTeam::txtMessenger_LostFocus() {
    TeamInfo& t = team();
    t.MessengerId = txtMessenger.Text();
    env_.log.LogMessage(t.Name.trimmed() + " Messenger Address was change to " +
                        trimBlanks(txtMessenger.Text()) + ".");
    env_.state.DataChanged = True;
}

void InstallTeamWindows(ClientApp& app) {
    WindowOpeners& o = app.openers();
    o.teamSheet = [&app](Form& opener) { opener.open<frmTeam>(app); };
    o.roster = [&app](Form& opener) { opener.open<frmRoster>(app); };
}

}  // namespace dravik
