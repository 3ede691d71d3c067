#include "testprogram.h"

#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace testprogram
{
namespace
{

std::map<std::string, Runner>& runners()
{
    static std::map<std::string, Runner> byName;
    return byName;
}

} // namespace

bool add(const char* sourceFile, Runner run)
{
    const std::string name = QFileInfo(QString::fromLocal8Bit(sourceFile)).completeBaseName().toStdString();
    // Two classes under one name would leave one of them never run.
    if (!runners().emplace(name, run).second) {
        std::fprintf(stderr, "two test classes are registered as %s\n", name.c_str());
        std::abort();
    }
    return true;
}

} // namespace testprogram

int main(int argc, char** argv)
{
    const auto& runners = testprogram::runners();
    const auto found = argc > 1 ? runners.find(argv[1]) : runners.end();
    if (found == runners.end()) {
        if (argc > 1)
            std::fprintf(stderr, "%s: no test named %s\n", argv[0], argv[1]);
        std::fprintf(stderr, "usage: %s TEST [QTest options]\ntests:\n", argv[0]);
        for (const auto& [name, run] : runners)
            std::fprintf(stderr, "  %s\n", name.c_str());
        return 2;
    }
    // QTest reads its options from argv[1] on: the test's name is taken out, the program's kept.
    std::vector<char*> rest{argv[0]};
    rest.insert(rest.end(), argv + 2, argv + argc);
    rest.push_back(nullptr);
    return found->second(argc - 1, rest.data());
}
