#pragma once
// How many statements and result sets the data layer has sent to the engines,
// for benchmarks and for tests that count round trips.
struct Contadores {
    long sentencias = 0;
    long recordsets = 0;
};

Contadores& contadores();
