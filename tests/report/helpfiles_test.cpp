#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

fs::path fromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? fs::path(value) : fs::path();
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The context numbers of data/help/helpcontexts.txt, the one list of them.
std::vector<int> helpContexts()
{
    std::ifstream in(fromEnvironment("ZMP_SOURCE_DIR") / "data/help/helpcontexts.txt");
    std::vector<int> contexts;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') contexts.push_back(std::stoi(line));
    return contexts;
}

std::multiset<std::string> matches(const std::string& text, const std::regex& pattern)
{
    std::multiset<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        found.insert((*it)[1]);
    return found;
}

class HelpFileTest : public ::testing::TestWithParam<const char*> {
  protected:
    std::string help() { return readFile(fromEnvironment("ZMP_PROGRAM_DIR") / GetParam()); }
};

TEST(HelpContextList, holdsUniqueNumbersWithTheFixedOnes)
{
    const std::vector<int> contexts = helpContexts();
    ASSERT_EQ(contexts.size(), 22u);
    EXPECT_EQ(std::set<int>(contexts.begin(), contexts.end()).size(), contexts.size());
    for (int fixed : {1001, 1012, 1054, 1077, 2304, 2309, 2400, 2403})
        EXPECT_NE(std::find(contexts.begin(), contexts.end(), fixed), contexts.end()) << fixed;
}

TEST_P(HelpFileTest, isAnHtmlDocument)
{
    const std::string text = help();
    ASSERT_FALSE(text.empty()) << GetParam() << " is missing or empty";
    EXPECT_TRUE(text.starts_with("<html>"));
    EXPECT_NE(text.find("</body>\n</html>"), std::string::npos);
    EXPECT_EQ(text.find("@IF"), std::string::npos) << "a condition marker was left in the file";
    EXPECT_EQ(text.find("@ENDIF"), std::string::npos);
}

TEST_P(HelpFileTest, hasOneAnchorForEveryContextNumber)
{
    const std::multiset<std::string> anchors = matches(help(), std::regex(R"re(<a name="([^"]+)")re"));
    for (int context : helpContexts())
        EXPECT_EQ(anchors.count("ctx" + std::to_string(context)), 1u) << context;
}

TEST_P(HelpFileTest, everyLinkLeadsToAnAnchor)
{
    const std::string text = help();
    const std::multiset<std::string> anchors = matches(text, std::regex(R"re(<a name="([^"]+)")re"));
    const std::multiset<std::string> links = matches(text, std::regex(R"re(<a href="#([^"]+)")re"));
    EXPECT_GT(links.size(), 20u);
    for (const std::string& link : links)
        EXPECT_EQ(anchors.count(link), 1u) << link;
}

INSTANTIATE_TEST_SUITE_P(BothVariants, HelpFileTest, ::testing::Values("QMxx.HLP", "QMxx_NA.HLP"));

TEST(HelpVariants, onlyTheAtisFileDescribesAtis)
{
    const fs::path folder = fromEnvironment("ZMP_PROGRAM_DIR");
    const std::string withAtis = readFile(folder / "QMxx.HLP");
    const std::string withoutAtis = readFile(folder / "QMxx_NA.HLP");
    EXPECT_NE(withAtis.find("<h2>ATIS Setup</h2>"), std::string::npos);
    EXPECT_NE(withAtis.find("<tt>atis</tt>"), std::string::npos);
    EXPECT_EQ(withAtis.find("This model has no ATIS"), std::string::npos);
    EXPECT_EQ(withoutAtis.find("ATIS Setup"), std::string::npos);
    EXPECT_EQ(withoutAtis.find("ATIS Clear"), std::string::npos);
    EXPECT_EQ(withoutAtis.find("<tt>atis</tt>"), std::string::npos);
    EXPECT_NE(withoutAtis.find("This model has no ATIS"), std::string::npos);
}

// A context number that the editor's code gives a control or a help call
// must be one of the list, or the help would open at no anchor.
TEST(HelpContextList, holdsEveryNumberTheEditorUses)
{
    const std::vector<int> contexts = helpContexts();
    const std::regex use(R"re([Hh]elp[A-Za-z]*"?\s*[,=(]\s*(\d{4})\b)re");
    for (const char* folder : {"src/ui", "src/platform"}) {
        const fs::path path = fromEnvironment("ZMP_SOURCE_DIR") / folder;
        if (!fs::is_directory(path)) continue;
        for (const fs::directory_entry& file : fs::recursive_directory_iterator(path)) {
            if (file.path().extension() != ".cpp" && file.path().extension() != ".h") continue;
            for (const std::string& number : matches(readFile(file.path()), use))
                EXPECT_NE(std::find(contexts.begin(), contexts.end(), std::stoi(number)), contexts.end())
                    << file.path() << " uses help context " << number;
        }
    }
}

} // namespace
