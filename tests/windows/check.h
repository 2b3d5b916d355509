// What a scenario found wrong, as readable lines.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// Shows control characters, so that a missing CR or tab is visible in a failure. Long texts
// are cut to their first `limit` bytes.
inline std::string quoted(const std::string& text, size_t limit = 60) {
    std::string out = "\"";
    for (unsigned char c : text.substr(0, limit)) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + (text.size() > limit ? "\"..." : "\"");
}

struct Check {
    std::vector<std::string> failures;

    bool expect(bool ok, const std::string& what) {
        if (!ok) {
            failures.push_back(what);
        }
        return ok;
    }

    // Long texts are shown from a little before their first difference.
    bool equal(const std::string& actual, const std::string& expected, const std::string& what) {
        size_t same = 0;
        while (same < actual.size() && same < expected.size() && actual[same] == expected[same]) {
            ++same;
        }
        const size_t from = same > 20 ? same - 20 : 0;
        const std::string where = from > 0 ? " from byte " + std::to_string(from) : "";
        return expect(actual == expected, what + where + ": got " + quoted(actual.substr(from)) +
                                              ", expected " + quoted(expected.substr(from)));
    }

    bool equal(long actual, long expected, const std::string& what) {
        return expect(actual == expected, what + ": got " + std::to_string(actual) + ", expected " +
                                              std::to_string(expected));
    }
};
