#include "tests/support/FakeForum.h"

#include <fstream>
#include <sstream>

namespace testing_support {

std::string forumFixture(const std::string& name) {
    std::ifstream in(std::string(ORVA_FIXTURES) + "/forum/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

std::map<std::string, std::string> queryValues(const std::string& query) {
    std::map<std::string, std::string> values;
    std::istringstream in(query);
    for (std::string pair; std::getline(in, pair, '&');) {
        auto eq = pair.find('=');
        if (eq != std::string::npos) values[pair.substr(0, eq)] = pair.substr(eq + 1);
    }
    return values;
}

}  // namespace

FakeForum::FakeForum(HTTPTestServer& server) {
    chains_ = {{"140", {"ps-5105", "ps-5104", "ps-5103", "ps-5102", "ps-5101"}},
               {"141", {"ds-6202"}},
               {"138", {"sc-7301", "sc-7300"}},
               {"139", {"cr-8401"}}};
    server.route("/forum/viewtopic.php", [this](const HTTPTestServer::Request& request) {
        return HTTPTestServer::Reply::text(page(queryValues(request.query)));
    });
}

std::string FakeForum::page(const std::map<std::string, std::string>& query) {
    auto value = [&](const char* key) { return query.count(key) ? query.at(key) : std::string(); };
    if (value("view") == "first_normal") return forumFixture(chains_.at(value("f")).front() + ".html");
    for (const auto& [forum, chain] : chains_) {
        for (std::size_t i = 0; i < chain.size(); ++i) {
            if (!chain[i].ends_with(value("t"))) continue;
            if (value("view") != "previous_normal") return forumFixture(chain[i] + ".html");
            return forumFixture(i + 1 < chain.size() ? chain[i + 1] + ".html" : "no-older-topics.html");
        }
    }
    return "<html><body>The requested topic does not exist.</body></html>";
}

}  // namespace testing_support
