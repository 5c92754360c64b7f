#pragma once

// The tables the scripts beside the tests write: a line of heads, then one row a line.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tests {

// Every row of the table at `path`, each read from the fields of its line by
// `read(fields, row)`; none where there is no such file.
template <typename Row, typename Read> std::vector<Row> ReadTableRows(const char* path, Read read)
{
    std::ifstream file(path);
    std::vector<Row> rows;
    std::string line;
    std::getline(file, line); // the heads
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        Row row;
        read(fields, row);
        rows.push_back(row);
    }
    return rows;
}

} // namespace tests
