#pragma once
// The forum's question sub-forums as a scanner sees them, served by a local test server from the
// fixture pages (tests/fixtures/forum): each a chain of topics from the newest to the oldest, PS
// with five topics, DS with one, SC with two, CR with one, under /forum/viewtopic.php.

#include <map>
#include <string>
#include <vector>

#include "tests/support/HTTPTestServer.h"

namespace testing_support {

// A fixture page of tests/fixtures/forum.
std::string forumFixture(const std::string& name);

class FakeForum {
  public:
    explicit FakeForum(HTTPTestServer& server);

  private:
    std::string page(const std::map<std::string, std::string>& query);

    std::map<std::string, std::vector<std::string>> chains_;
};

}  // namespace testing_support
