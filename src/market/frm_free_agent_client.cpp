#include "market/frm_free_agent_client.h"

#include <new>
#include <string>
#include <vector>

#include "forms/form_manager.h"
#include "forms/metrics.h"
#include "league/env.h"
#include "league/overall.h"
#include "league/password.h"
#include "league/rating_columns.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "main/hand_over.h"
#include "market/market_search.h"
#include "market/offers_file.h"
#include "platform/formats.h"

namespace dravik {

namespace {

using metrics::BoxHeight, metrics::ButtonHeight, metrics::LabelDrop, metrics::LabelHeight, metrics::Margin;

// Twips. The rows of boxes on the right: the player's age and salary, the
// offer's salary and duration, its bonus.
constexpr int ListLeft = Margin, ListTop = 400, ListWidth = 3600, ListHeight = 5280;
constexpr int RightLeft = 3960, RightWidth = 5400;
constexpr int StatLeft = 90, StatStep = 325, StatWidth = 315;
constexpr int PlayerRowTop = 1860, OfferRowTop = 2340, BonusRowTop = 2760;
constexpr int ButtonTop = 6000, ButtonWidth = 1575;

constexpr int StatColumns = 16;

const char* const Instructions =
    "Don't use a comma, a period or a dollar sign ($) in the salary, duration and bonus text box. -- You need to "
    "fill the salary and duration textbox for a offer to be save.";

// A whole number as the offer boxes take it once the input check has let
// it through: an optional leading "-", then digits. Anything else ("12-",
// "1-2") is error 13; beyond 32 bits error 6.
int32_t strictWhole(const std::string& text) {
    std::size_t at = text.empty() || text[0] != '-' ? 0 : 1;
    if (at == text.size()) raiseError(err::TypeMismatch);
    int64_t n = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9') raiseError(err::TypeMismatch);
        n = n * 10 + (c - '0');
        if (n > (int64_t{1} << 32)) raiseError(err::Overflow);
    }
    return toInt32(text[0] == '-' ? -n : n);
}

}  // namespace

frmFreeAgentClient::frmFreeAgentClient(FormManager& forms, ClientApp& app)
    : Form(forms, "frmFreeAgentClient"), app_(app), env_(app.env()), formats_(app.services().formats) {
    Move(0, 0, 9600, 6900);
    setCaption("Free Agents");

    lblPlayer.setCaption("Players");
    lblPlayer.Move(ListLeft, Margin, ListWidth, LabelHeight);
    lstPlayers.setSorted(true);
    lstPlayers.Move(ListLeft, ListTop, ListWidth, ListHeight);
    chkShowPlayerWithOffer.setCaption("Show players who has received an offer only");
    chkShowPlayerWithOffer.Move(ListLeft, ListTop + ListHeight + 60, ListWidth + 600, LabelHeight);

    lblTeam.setCaption("Free Agents Offer For :");
    lblTeam.Move(RightLeft, Margin, RightWidth, LabelHeight);
    lblMaxOffer.setCaption("Maximum Offer");
    lblMaxOffer.Move(RightLeft, 420, RightWidth, LabelHeight);

    Frame1.setCaption("Stats");
    Frame1.Move(RightLeft, 720, RightWidth, 1020);
    for (int k = 1; k <= StatColumns; ++k) {
        const int left = StatLeft + (k - 1) * StatStep;
        Label& caption = lblStatLabel.add(k);
        caption.setCaption("ST");
        caption.setContainer(Frame1);
        caption.Move(left, 300, StatWidth, LabelHeight);
        caption.setVisible(false);
        TextBox& value = txtStats.add(k);
        value.setMaxLength(2);
        value.setContainer(Frame1);
        value.Move(left, 600, StatWidth, BoxHeight);
    }

    Label1.setCaption("Age : ");
    Label1.Move(RightLeft, PlayerRowTop + LabelDrop, 600, LabelHeight);
    txtAge.setMaxLength(2);
    txtAge.Move(RightLeft + 600, PlayerRowTop, 480, BoxHeight);
    Label9.setCaption("Salary :");
    Label9.Move(RightLeft + 1260, PlayerRowTop + LabelDrop, 720, LabelHeight);
    txtSalary.setMaxLength(9);
    txtSalary.Move(RightLeft + 1980, PlayerRowTop, 1320, BoxHeight);
    lblStatus.setCaption("Status : ");
    lblStatus.Move(RightLeft + 3480, PlayerRowTop + LabelDrop, 1920, LabelHeight);

    Label2.setCaption("Salary:");
    Label2.Move(RightLeft, OfferRowTop + LabelDrop, 960, LabelHeight);
    txtOffer.setMaxLength(10);
    txtOffer.Move(RightLeft + 960, OfferRowTop, 1320, BoxHeight);
    Label3.setCaption("Duration:");
    Label3.Move(RightLeft + 2520, OfferRowTop + LabelDrop, 960, LabelHeight);
    txtDuration.setMaxLength(1);
    txtDuration.Move(RightLeft + 3480, OfferRowTop, 360, BoxHeight);
    Label4.setCaption("Bonus:");
    Label4.Move(RightLeft, BonusRowTop + LabelDrop, 960, LabelHeight);
    txtBonus.setMaxLength(10);
    txtBonus.Move(RightLeft + 960, BonusRowTop, 1320, BoxHeight);
    Label5.setCaption("Comments: (Max 1000 Characters)");
    Label5.Move(RightLeft, 3210, RightWidth, LabelHeight);
    txtComment.setMaxLength(1000);
    txtComment.setMultiLine(true);
    txtComment.Move(RightLeft, 3480, RightWidth, 1500);

    lblInfo.setCaption(Instructions);
    lblInfo.Move(RightLeft, 5100, RightWidth, 780);

    cmdSearch.setCaption("Search Player");
    cmdSearch.Move(RightLeft, ButtonTop, ButtonWidth, ButtonHeight);
    cmdSaveToFile.setCaption("Save to File");
    cmdSaveToFile.Move(RightLeft + 1913, ButtonTop, ButtonWidth, ButtonHeight);
    cmdExit.setCaption("Exit");
    cmdExit.Move(RightLeft + 3825, ButtonTop, ButtonWidth, ButtonHeight);

    chkShowPlayerWithOffer.Click = [this] { chkShowPlayerWithOffer_Click(); };
    lstPlayers.Click = [this] { lstPlayers_Click(); };
    lstPlayers.DblClick = [this] { lstPlayers_DblClick(); };
    cmdSearch.Click = [this] { cmdSearch_Click(); };
    cmdSaveToFile.Click = [this] { cmdSaveToFile_Click(); };
    cmdExit.Click = [this] { Unload(); };
    txtOffer.LostFocus = [this] { txtOffer_LostFocus(); };
    txtDuration.LostFocus = [this] { txtDuration_LostFocus(); };
    txtBonus.LostFocus = [this] { txtBonus_LostFocus(); };
    txtComment.LostFocus = [this] { txtComment_LostFocus(); };
}

void frmFreeAgentClient::Form_Load() {
    CentreOnScreen();
    try {
        if (!GuardCurrentTeam(env_, *this, OnBadTeam::StayOpen)) return;
        const int16_t current = env_.state.CurrentTeam;
        lblInfo.setCaption(Instructions);
        // The offers go before the limit is worked out: should that fail,
        // the last opening's offers (perhaps another team's) must not stay
        // to be saved as this team's.
        for (int p = 1; p <= MaxPerson; ++p) env_.state.FreeAgentOffers[p] = FreeAgentOffer{};
        LeagueInfo& league = env_.league.League;
        if (league.OffSeason == True) {
            lblMaxOffer.setCaption("You can make " + std::to_string(league.MaxOffers) + " offers in total.");
        } else {
            if (league.OfferLimitBase == 0) league.OfferLimitBase = 100;
            league.MaxOffers = sub16(league.OfferLimitBase, env_.league.Teams[current].OfferLimitTeamCount);
            lblMaxOffer.setCaption("You can make " + std::to_string(league.MaxOffers) +
                                   " offers to players you do not owned.");
        }
        setCaption(env_.state.WindowTitlePrefix + " - Free Agent Client");
        lblTeam.setCaption("Free Agents Offer For : " + env_.league.Teams[current].Name.trimmed());
        ShowPlayer();
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in FormLoad frmFreeAgentClient!");
    } catch (const std::bad_alloc&) {
        ShowErrorBox(env_, RuntimeError(err::OutOfMemory), " in FormLoad frmFreeAgentClient!");
    }
}

void frmFreeAgentClient::ShowPlayer() {
    try {
        lstPlayers.Clear();
        const LeagueInfo& league = env_.league.League;
        const bool madeOnly = chkShowPlayerWithOffer.Value() != 0;
        const auto& positions = env_.state.PositionNames;
        auto listed = [&](const auto& person, int key) {
            if (person.InUse != True) return false;
            if (madeOnly && !IsOfferMade(env_.state.FreeAgentOffers[key], league)) return false;
            return person.Team != 0 ? person.ContractYears == 0 : league.ListUnsignedFreeAgents == True;
        };
        // Up to 11,000 entries: gathered, then added in one batch.
        std::vector<ListEntry> entries;
        auto add = [&](std::string text, int key) { entries.push_back({std::move(text), key}); };
        for (int n = 1; n <= SkaterRecords; ++n) {
            const PlayerInfo& p = env_.league.Players[n];
            if (!listed(p, n)) continue;
            // A position code the league file should never hold leaves the
            // skater out rather than ending the list there.
            if (p.Position < 1 || p.Position > 5) continue;
            const bool rfa = p.Team != 0 && p.Age < league.RFAAge;
            add(p.Name.trimmed() + " (" + positions[p.Position] + (rfa ? ")-RFA" : ")"), p.Number);
        }
        for (int g = 1; g <= GoalieRecords; ++g) {
            const GoalieInfo& p = env_.league.Goalies[g];
            if (!listed(p, GoaliePerson(g))) continue;
            add(p.Name.trimmed() + " (" + positions[pos::G] + (p.Age < league.RFAAge ? ")*" : ")"),
                GoaliePerson(p.Number));
        }
        lstPlayers.AddItems(entries);
        if (lstPlayers.ListCount() > 0) {
            lstPlayers.setListIndex(0);
            return;
        }
        txtStats.forEach([](TextBox& box) { box.setText(""); });
        for (TextBox* box : {&txtOffer, &txtDuration, &txtBonus, &txtComment, &txtAge, &txtSalary})
            box->setText("");
        setOfferBoxesEnabled(false);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in ShowPlayer!");
    }
}

void frmFreeAgentClient::setOfferBoxesEnabled(bool enabled) {
    for (TextBox* box : {&txtOffer, &txtDuration, &txtBonus, &txtComment}) box->setEnabled(enabled);
}

FreeAgentOffer* frmFreeAgentClient::openOffer() const {
    if (SelectedOfferPlayer < 1 || SelectedOfferPlayer > MaxPerson) return nullptr;
    return &env_.state.FreeAgentOffers[SelectedOfferPlayer];
}

void frmFreeAgentClient::showRatings(int16_t key) {
    const LeagueInfo& league = env_.league.League;
    const bool overall = league.ShowOverallColumn == True;
    RatingColumns cols;
    const PersonRecord r = RecordOfPerson(key);
    const auto n = static_cast<int16_t>(r.number);
    if (r.goalie) {
        const int16_t ov = overall ? PlayerOverall(env_, pos::G, n) : 0;
        cols = GoalieColumns(env_.state, league.ShowAllRatings, env_.league.Goalies[n].Ratings, ov);
    } else {
        const PlayerInfo& p = env_.league.Players[n];
        const int16_t ov = overall ? PlayerOverall(env_, p.Position, n) : 0;
        cols = SkaterColumns(env_.state, league.ShowAllRatings, p.Ratings, ov);
    }
    // Columns past the person's own are hidden, so a goalie shown after a
    // skater keeps none of the skater's values.
    const int last = cols.count + (overall ? 1 : 0);
    for (int k = 1; k <= StatColumns; ++k) {
        const bool shown = k <= last;
        if (shown) {
            lblStatLabel(k).setCaption(cols.caption[k]);
            txtStats(k).setText(cols.value[k]);
        }
        lblStatLabel(k).setVisible(shown);
        txtStats(k).setVisible(shown);
    }
}

void frmFreeAgentClient::lstPlayers_Click() {
    try {
        const int index = lstPlayers.ListIndex();
        if (index < 0) return;
        const int32_t key = lstPlayers.ItemData(index);
        SelectedOfferPlayer = static_cast<int16_t>(key);
        const LeagueInfo& league = env_.league.League;
        if (key < 1 || key > MaxPerson) {
            IntegrityCheckFailed(env_);
            return;
        }
        const PersonRecord r = RecordOfPerson(key);
        const Flag inUse =
            r.goalie ? env_.league.Goalies[r.number].InUse : env_.league.Players[r.number].InUse;
        if (inUse == False) {
            IntegrityCheckFailed(env_);
            return;
        }
        showRatings(static_cast<int16_t>(key));

        struct Person {
            std::string name;
            int16_t team;
            int16_t age;
        };
        const auto show = [&]<class P>(const P& p) {
            txtAge.setText(std::to_string(p.Age));
            txtSalary.setText(std::to_string(p.Salary));
            lblStatus.setCaption(p.Age < league.RFAAge && p.Team != 0 ? "Status : RFA" : "Status : UFA");
            return Person{p.Name.trimmed(), p.Team, p.Age};
        };
        const auto [name, team, age] =
            r.goalie ? show(env_.league.Goalies[r.number]) : show(env_.league.Players[r.number]);
        if (age < league.YoungPlayerAge && team != 0 && team != env_.state.CurrentTeam) {
            setOfferBoxesEnabled(false);
            txtOffer.setText("0");
            txtDuration.setText("0");
            txtBonus.setText("0");
            txtComment.setText("");
            MsgBox(env_,
                   name + " is not allowed to sign with another team that " + env_.league.Teams[team].Name.trimmed() +
                       ".",
                   mb::OKOnly | mb::Exclamation);
            return;
        }

        FreeAgentOffer& offer = env_.state.FreeAgentOffers[key];
        offer.Player = static_cast<int16_t>(key);
        if (!txtOffer.Enabled()) setOfferBoxesEnabled(true);
        txtOffer.setText(std::to_string(offer.Salary));
        txtDuration.setText(std::to_string(offer.Duration));
        txtBonus.setText(std::to_string(offer.Bonus));
        txtComment.setText(offer.Comment.trimmed());
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in LstPlayers Click.");
    }
}

void frmFreeAgentClient::lstPlayers_DblClick() {
    const int index = lstPlayers.ListIndex();
    if (index < 0) return;
    const int32_t key = lstPlayers.ItemData(index);
    ProgramState& s = env_.state;
    const PersonRecord r = RecordOfPerson(key);
    s.ShowGoalie = r.goalie ? True : False;
    s.CurrentPlayerIndex = static_cast<int16_t>(r.number);
    s.CallerCode = 3;
    if (app_.openers().playerCard) app_.openers().playerCard(*this);
}

void frmFreeAgentClient::cmdSearch_Click() {
    try {
        SearchPlayer(env_, lstPlayers);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in cmdSearch!");
    }
}

void frmFreeAgentClient::cmdSaveToFile_Click() {
    SaveFreeAgentOffers(env_, app_.programFolder(), env_.state.CurrentTeam, formats_);
}

void frmFreeAgentClient::txtOffer_LostFocus() {
    FreeAgentOffer* offer = openOffer();
    if (!offer) return;
    if (CheckInput(env_, txtOffer.Text(), 0, False, False) != True) {
        txtOffer.SetFocus();
        return;
    }
    try {
        const LeagueInfo& league = env_.league.League;
        if (strictWhole(txtOffer.Text()) == 0) return;  // a 0 keeps the salary stored
        if (strictWhole(txtOffer.Text()) > league.MaxSalary) {
            MsgBox(env_, "Maximum Salary is " + formats_.currencyWhole(league.MaxSalary),
                   mb::OKOnly | mb::Exclamation);
            txtOffer.setText(std::to_string(league.MaxSalary));
        }
        if (strictWhole(txtOffer.Text()) < league.MinSalary) {
            MsgBox(env_, "Minimum Salary is " + formats_.currencyWhole(league.MinSalary),
                   mb::OKOnly | mb::Exclamation);
            txtOffer.setText(std::to_string(league.MinSalary));
        }
        offer->Salary = strictWhole(txtOffer.Text());
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in txtOffer LostFocus.");
    }
}

void frmFreeAgentClient::txtDuration_LostFocus() {
    FreeAgentOffer* offer = openOffer();
    if (!offer) return;
    if (CheckInput(env_, txtDuration.Text(), 0, False, False) != True) {
        txtDuration.SetFocus();
        return;
    }
    try {
        const int16_t years = toInt16(strictWhole(txtDuration.Text()));
        if (years > 9) {
            MsgBox(env_, "Maximum Contract Duration is 9 years.", mb::OKOnly | mb::Exclamation);
            txtDuration.setText("9");
        } else if (years < 0) {
            txtDuration.setText("0");
        }
        offer->Duration = toInt16(strictWhole(txtDuration.Text()));
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in txtDuration LostFocus.");
    }
}

void frmFreeAgentClient::txtBonus_LostFocus() {
    FreeAgentOffer* offer = openOffer();
    if (!offer) return;
    if (CheckInput(env_, txtBonus.Text(), 0, False, False) != True) {
        txtBonus.SetFocus();
        return;
    }
    try {
        offer->Bonus = strictWhole(txtBonus.Text());
    } catch (const RuntimeError& e) {
        ShowErrorBox(env_, e, " in txtBonus LostFocus.");
    }
}

void frmFreeAgentClient::txtComment_LostFocus() {
    FreeAgentOffer* offer = openOffer();
    if (!offer) return;
    if (CheckInput(env_, txtComment.Text(), 2, False, False) != True) {
        txtComment.SetFocus();
        return;
    }
    offer->Comment = txtComment.Text();
}

void frmFreeAgentClient::Form_Unload() {
    Hide();
    if (frmMain* main = app_.mainWindow()) main->Show();
}

void InstallFreeAgents(ClientApp& app) {
    app.openers().freeAgents = [&app](Form& opener) { opener.open<frmFreeAgentClient>(app); };
}

}  // namespace dravik
