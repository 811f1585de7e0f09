// The puzzle's solutions as juglist's reference listing gives them.
#include "solutions.h"

#include <sstream>
#include <string>

#include "process.h"

std::vector<std::vector<Amounts>> reference_solutions()
{
    return solutions_in_listing(read_file(std::string(TEST_DATA_DIR) + "/juglist_output.txt"));
}

std::vector<std::vector<Amounts>> solutions_in_listing(const std::string& listing)
{
    std::vector<std::vector<Amounts>> solutions;
    std::istringstream in(listing);
    for (std::string line; std::getline(in, line);) {
        if (line.size() < 5 || line[4] != ':') continue;
        std::vector<Amounts> states;
        for (size_t open = line.find('('); open != std::string::npos;
             open = line.find('(', open + 1)) {
            Amounts a;
            std::istringstream state(line.substr(open + 1));
            state >> a[0] >> a[1] >> a[2];
            states.push_back(a);
        }
        solutions.push_back(states);
    }
    return solutions;
}
