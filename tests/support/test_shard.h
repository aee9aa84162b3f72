#pragma once

// A long data-driven test runs as several ctest entries so that they share the
// cores; TALMERIS_TEST_SHARD="i/n" picks every n-th row starting at row i.
class TestShard
{
public:
    TestShard();

    // Whether the next row belongs to this shard; call once per row, in order.
    bool takesNextRow();

private:
    int m_index = 0;
    int m_count = 1;
    int m_row = 0;
};
