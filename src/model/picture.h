#pragma once

// What a cell shows: nothing, the plain picture of a tile o(n), a blank bearing a letter
// bl(k), or the pointer icon kept in o(0). The artwork itself belongs to the windows.
class Picture
{
public:
    enum class Kind { None, Tile, BlankLetter, Pointer };

    constexpr Picture() = default;
    static constexpr Picture tile(int tileNumber) { return {Kind::Tile, tileNumber}; }
    static constexpr Picture blankLetter(int index) { return {Kind::BlankLetter, index}; }
    static constexpr Picture pointer() { return {Kind::Pointer, 0}; }

    constexpr Kind kind() const { return m_kind; }
    constexpr int index() const { return m_index; }
    constexpr bool isNone() const { return m_kind == Kind::None; }

    friend constexpr bool operator==(Picture, Picture) = default;

private:
    constexpr Picture(Kind kind, int index)
        : m_kind(kind)
        , m_index(index)
    { }

    Kind m_kind = Kind::None;
    int m_index = 0;
};
