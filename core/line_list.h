// A list of text lines kept in one buffer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace rotacle {

/// A list of text lines held in one contiguous buffer, for lists that can
/// grow to millions of short lines (the import list): one allocation for the
/// text and one for the line ends instead of one string per line.
class LineList {
public:
    LineList() = default;
    LineList(std::initializer_list<std::string_view> lines) {
        for (std::string_view l : lines) push_back(l);
    }

    /// Splits text into lines at CR LF, LF or CR. A final line end does not
    /// start another line; an empty text has no lines.
    static LineList Split(std::string_view text) {
        LineList list;
        const char* p = text.data();
        const char* const end = p + text.size();
        list.ends_.reserve(static_cast<std::size_t>(std::count(p, end, '\n') + std::count(p, end, '\r')) + 1);
        // The lines' text is the input without its line ends: copy it in one
        // pass into a buffer of the input's size, then cut the buffer.
        list.text_.resize(text.size());
        char* const base = list.text_.data();
        char* out = base;
        while (p < end) {
            const char c = *p++;
            if (c != '\r' && c != '\n') {
                *out++ = c;
                continue;
            }
            list.ends_.push_back(static_cast<std::size_t>(out - base));
            if (c == '\r' && p < end && *p == '\n') ++p;
        }
        if (!text.empty() && text.back() != '\n' && text.back() != '\r')
            list.ends_.push_back(static_cast<std::size_t>(out - base));
        list.text_.resize(static_cast<std::size_t>(out - base));
        return list;
    }

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    void clear() {
        text_.clear();
        ends_.clear();
    }
    void push_back(std::string_view line) {
        text_.append(line);
        ends_.push_back(text_.size());
    }
    std::string_view operator[](std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const LineList* list, std::size_t i) : list_(list), i_(i) {}
        std::string_view operator*() const { return (*list_)[i_]; }
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        const_iterator operator++(int) {
            auto old = *this;
            ++i_;
            return old;
        }
        bool operator==(const const_iterator& o) const { return i_ == o.i_; }

    private:
        const LineList* list_ = nullptr;
        std::size_t i_ = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    friend bool operator==(const LineList& a, const LineList& b) {
        return a.ends_ == b.ends_ && a.text_ == b.text_;
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

}  // namespace rotacle
