#pragma once

#include <string>
#include <vector>

// The figures of one benchmark run: printed as a table and written as JSON.
class BenchReport {
  public:
    // A target's figure has the unit "met" and the value 1 (met) or 0.
    void add(const std::string& section, const std::string& name, double value,
             const std::string& unit);
    void printTable() const;
    // 0 when the file was written, -1 when it could not be.
    int writeJson(const std::string& path) const;

  private:
    struct Figure {
        std::string section;
        std::string name;
        double value;
        std::string unit;
    };
    std::vector<Figure> figures_;
};
