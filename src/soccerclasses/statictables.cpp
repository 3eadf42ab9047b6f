#include "soccerclasses/statictables.h"

#include <cstdlib>
#include <map>
#include <string_view>

#include "platform/cp1252.h"

extern const unsigned char vt_surnames_txt[];
extern const unsigned long vt_surnames_txt_size;

const MenuPicture kMenuPictures[kMenuPictureCount] = {
    {32792, "man-honours.bmp"},    {32791, "mngr_month.bmp"},     {32777, "man-perform.bmp"},
    {32795, "man-profile.bmp"},    {32841, "vacancies.bmp"},      {32778, "squad.bmp"},
    {32796, "tactics.bmp"},        {32797, "training.bmp"},       {32977, "physio.bmp"},
    {32798, "youth_squad.bmp"},    {32799, "training.bmp"},       {32801, "club_details.bmp"},
    {32802, "stad_editor.bmp"},    {32805, "club_transfer.bmp"},  {32779, "ticket.bmp"},
    {32803, "club_honours.bmp"},   {32804, "kit_editor.bmp"},     {32780, "scout.bmp"},
    {32817, "top_scorers.bmp"},    {32822, "man-match.bmp"},      {32806, "transfer_list.bmp"},
    {32859, "negotiations.bmp"},   {33217, "scout.bmp"},          {32809, "payroll.bmp"},
    {32810, "bank.bmp"},           {32812, "accounts.bmp"},       {32781, "job_centre.bmp"},
    {32840, "accounts_graph.bmp"}, {32782, "club_fixtures.bmp"},  {32814, "league_fixt.bmp"},
    {32813, "cup_schedules.bmp"},  {32838, "cup_fixtures.bmp"},   {32839, "friendlies.bmp"},
    {32783, "attend_graph.bmp"},   {32819, "average_gates.bmp"},  {32818, "league_graph.bmp"},
    {32821, "high_gates.bmp"},     {32820, "league_tables.bmp"},  {33218, "cup_schedules.bmp"},
    {32825, "league_mess.bmp"},    {32788, "newspaper.bmp"},      {32834, "clubmess.bmp"},
    {32826, "club_disc.bmp"},      {32831, "player_disc.bmp"},    {32828, "ref_tables.bmp"},
    {32897, "person_info.bmp"},    {32898, "release_player.bmp"}, {32904, "renew_player.bmp"},
    {32899, "loan.bmp"},           {32900, "buy.bmp"},            {32901, "scout.bmp"},
    {34510, "scout.bmp"},          {32902, "person_info.bmp"},    {32903, "release_employee.bmp"},
    {32905, "renew_employee.bmp"}, {32906, "offer_employee.bmp"}, {32790, "options.bmp"},
    {32776, "save.bmp"},           {32837, "next_manager.bmp"},   {32786, "back.bmp"},
    {32787, "forward.bmp"},        {32775, "help.bmp"},           {32785, "next_match.bmp"},
    {32784, "play_match.bmp"},     {32771, "tree_L+R.bmp"},       {32830, "hide_show_back.bmp"},
    {32832, "shortcut.bmp"},       {19410, "manager_menu.bmp"},   {19411, "squad_menu.bmp"},
    {19412, "club_menu.bmp"},      {19413, "player_menu.bmp"},    {19414, "finance_menu.bmp"},
    {19415, "fixtures_menu.bmp"},  {19416, "info_menu.bmp"},      {19417, "news_menu.bmp"},
    {19418, "discipline_menu.bmp"}, {20444, "person_info.bmp"},   {20445, "title_menu.bmp"},
    {20446, "viewstad_menu.bmp"},  {32807, "club_transfer.bmp"},  {32891, "results_menu.bmp"},
};

std::string GetMenuPicturePath(unsigned commandId) {
    for (const MenuPicture& m : kMenuPictures)
        if (m.commandId == commandId) return std::string("gfx\\menu\\") + m.picture;
    return std::string();
}

const char* const kWeatherFolders[4] = {"", "dry\\", "rain\\", "snow\\"};

const std::array<const char*, kArchiveCount> kArchiveNames = {
    "animation", "backgrounds", "buttons",    "flags",     "flc",  "kits",
    "listcontrol", "match",     "menu",       "messagebox", "newspaper", "photofit",
    "scroll",    "temp",        "toolbar",    "tree",      "trophies", "stadium"};

SetUpState& GetSetUpState() {
    static SetUpState state;
    return state;
}

namespace {

struct Surnames {
    std::map<int, std::vector<std::string>> tables;
    std::vector<std::string> errors;
};

const Surnames& Parsed() {
    static const Surnames parsed = [] {
        Surnames s;
        std::string_view text(reinterpret_cast<const char*>(vt_surnames_txt), vt_surnames_txt_size);
        std::vector<std::string>* table = nullptr;
        int lineNo = 0;
        while (!text.empty()) {
            size_t nl = text.find('\n');
            std::string_view line = text.substr(0, nl);
            text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
            ++lineNo;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (line.empty() || line[0] == '#') continue;
            if (line.front() == '[' && line.back() == ']') {
                table = &s.tables[std::atoi(std::string(line.substr(1, line.size() - 2)).c_str())];
                continue;
            }
            if (!table) {
                s.errors.push_back("line " + std::to_string(lineNo) + ": a name before the first table");
                continue;
            }
            if (line == "\"\"") {
                table->emplace_back();
                continue;
            }
            auto name = platform::Utf8ToCp1252(line);
            if (!name) {
                s.errors.push_back("line " + std::to_string(lineNo) + ": no Windows-1252 form");
                continue;
            }
            table->push_back(*name);
        }
        return s;
    }();
    return parsed;
}

}  // namespace

const std::vector<std::string>& GetSurnameTable(int countryId) {
    static const std::vector<std::string> none;
    auto it = Parsed().tables.find(countryId);
    return it == Parsed().tables.end() ? none : it->second;
}

std::vector<int> SurnameTableCountries() {
    std::vector<int> ids;
    for (const auto& [id, table] : Parsed().tables) ids.push_back(id);
    return ids;
}

const std::vector<std::string>& SurnameTableErrors() { return Parsed().errors; }
