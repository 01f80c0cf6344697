#pragma once
// The reference formulas of the worked example and of the five control tasks,
// each with the same formula typed differently (blanks, terms reordered) and a
// wrong one (one term's sign flipped; "0", whose only term is zero, gets "1").
// Shared by the formula tests and the formula benchmark.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "formula/packetdata.h"
#include "formula/random.h"

struct ReferenceFormula {
    const char* id;
    const char* reference;
    const char* reordered;
    const char* wrong;
};

inline constexpr std::array<ReferenceFormula, 11> kWorkedExampleFormulas{{
    {"example_0", "~p/2-~a", "-~a + ~p/2", "~p/2+~a"},
    {"example_1", "0", " 0 ", "1"},
    {"example_2", "Y", " Y", "-Y"},
    {"example_3", "2", "2 ", "-2"},
    {"example_4", "F-R!B@*sin(~a)", "-R!B@ * sin(~a) + F", "F+R!B@*sin(~a)"},
    {"example_5", "R!D@+R!B@*cos(~a)-G", "R!B@*cos(~a) - G + R!D@", "R!D@-R!B@*cos(~a)-G"},
    {"example_6", "R!B@*(2*b-a)*sin(~p/2-~a)-G*(b-a)", "-G*(b - a) + R!B@*(2*b-a)*sin(~p/2-~a)",
     "G*(b-a)+R!B@*(2*b-a)*sin(~p/2-~a)"},
    {"example_7", "G*b-R!D@*(2*b-a)", "-R!D@*(2*b - a) + G*b", "G*b+R!D@*(2*b-a)"},
    {"example_8", "G*(b-a)/(2*b-a)*tan(~a)", "tan(~a)*G*(b-a)/(2*b-a)", "-G*(b-a)/(2*b-a)*tan(~a)"},
    {"example_9", "G-G*(b-a)/(2*b-a)", "-G*(b-a)/(2*b-a) + G", "G+G*(b-a)/(2*b-a)"},
    {"example_10", "G*(b-a)/((2*b-a)*cos(~a))", "(b-a)*G/((2*b-a)*cos(~a))",
     "-G*(b-a)/((2*b-a)*cos(~a))"},
}};

inline constexpr std::array<ReferenceFormula, 30> kControlTaskFormulas{{
    {"task0_0", "4", " 4", "-4"},
    {"task0_1", "N", "N ", "-N"},
    {"task0_2", "2", " 2 ", "-2"},
    {"task0_3", "6", "6 ", "-6"},
    {"task0_4", "2-2+P*a*cos(~p/2-~a)", "a*P*cos(~p/2 - ~a)", "2-2-P*a*cos(~p/2-~a)"},
    {"task0_5", "Y", " Y ", "-Y"},
    {"task0_6", "6", " 6", "-6"},
    {"task0_7", "1-1+R!D@-X!C@", "-X!C@ + R!D@", "1-1+R!D@+X!C@"},
    {"task0_8", "1-1+Y!C@-P", "-P + Y!C@", "1-1+Y!C@+P"},
    {"task0_9", "2-2+P*a*sin(~a)-M-R!D@*2*a*cos(~a)", "P*a*sin(~a) - R!D@*2*a*cos(~a) - M",
     "2-2+P*a*sin(~a)+M-R!D@*2*a*cos(~a)"},
    {"task0_10", "2-2+X!C@+X!B@", "X!B@ + X!C@", "2-2+X!C@-X!B@"},
    {"task0_11", "2-2+R!A@+Y!B@-Y!C@", "Y!B@ - Y!C@ + R!A@", "2-2+R!A@-Y!B@-Y!C@"},
    {"task0_12", "2-2+M+Y!B@*3*b-R!A@*b", "3*b*Y!B@ - R!A@*b + M", "2-2-M+Y!B@*3*b-R!A@*b"},
    {"task1_0", "2", "2", "-2"},
    {"task1_1", "1-1+X!A@-R!B@*sin(~a)", "-R!B@*sin(~a) + X!A@", "1-1+X!A@+R!B@*sin(~a)"},
    {"task1_2", "1-1+Y!A@+R!B@*cos(~a)-P", "R!B@*cos(~a) - P + Y!A@", "1-1+Y!A@-R!B@*cos(~a)-P"},
    {"task1_3", "0+2-2+M-P*b+2*b*R!B@*sin(~p/2-~a)", "2*b*R!B@*sin(~p/2-~a) + M - P*b",
     "0+2-2+M+P*b+2*b*R!B@*sin(~p/2-~a)"},
    {"task1_4", "0+2-2+P-(P*b-M)/(2*b)", "P - (P*b - M)/(2*b)", "0+2-2+P+(P*b-M)/(2*b)"},
    {"task2_0", "0+2-2", "0", "0+2+2"},
    {"task2_1", "0+2-2+P-F", "-F + P", "0+2-2+P+F"},
    {"task2_2", "2*F*a-P*a", "-P*a + 2*F*a", "2*F*a+P*a"},
    {"task3_0", "3", " 3", "-3"},
    {"task3_1", "X!B@-F*sin(~a)", "-F*sin(~a) + X!B@", "X!B@+F*sin(~a)"},
    {"task3_2", "Y!B@+F*cos(~a)", "F*cos(~a) + Y!B@", "Y!B@-F*cos(~a)"},
    {"task3_3", "-F*(b-a*tan(~a))*sin(~p/2-~a)", "-(b - a*tan(~a))*F*sin(~p/2-~a)",
     "F*(b-a*tan(~a))*sin(~p/2-~a)"},
    {"task4_0", "1", "1 ", "-1"},
    {"task4_1", "T!A@*cos(~a)-T!B*cos(~b)", "-T!B@*cos(~b) + T!A@*cos(~a)", "T!A@*cos(~a)+T!B*cos(~b)"},
    {"task4_2", "T!A@*sin(~a)+T!B*sin(~b)-P", "T!B@*sin(~b) - P + T!A@*sin(~a)",
     "T!A@*sin(~a)-T!B*sin(~b)-P"},
    {"task4_3", "T!B@*(a+b)*sin(~b)-P*a", "-a*P + (b+a)*T!B@*sin(~b)", "T!B@*(a+b)*sin(~b)+P*a"},
    {"task4_4", "P*a*cos(~b)/((a+b)*cos(~a)*sin(~b))", "a*P*cos(~b)/((b+a)*cos(~a)*sin(~b))",
     "-P*a*cos(~b)/((a+b)*cos(~a)*sin(~b))"},
}};

// The exercises' random variables, in the order they are drawn.
inline const std::vector<std::string> kWorkedExampleVariables{"N", "~a", "Y", "F", "R!B", "R!D", "G", "a", "b"};
inline const std::vector<std::string> kControlTaskVariables{
    "N", "Y", "P", "a", "~a", "R!D", "X!C", "Y!C", "M", "X!B",
    "Y!B", "R!A", "b", "X!A", "Y!A", "R!B", "F", "T!A", "T!B", "~b"};

// Fills a table as an exercise step does: "~p" as pi, then one draw from 100
// values per variable after seeding the generator.
inline void fillExerciseTable(TMyPacketData& table, const std::vector<std::string>& names, std::uint32_t seed)
{
    table.AddVariable("~p", "3.141592653589793");
    randomSeed(seed);
    for (const std::string& name : names)
        table.AddVariable(name, std::to_string(randomBelow(100)));
}
