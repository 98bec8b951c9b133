#pragma once

// The one SoundEvent a course or screen holds for the frame; a later event
// replaces an earlier one, and taking it hands it out once.
class PendingSound {
  public:
    void raise(int event) { value_ = event; }
    void clear() { value_ = -1; }
    int peek() const { return value_; }
    int take() {
        if (value_ < 0) {
            return -1;
        }
        const int event = value_;
        value_ = -1;
        return event;
    }

  private:
    int value_ = -1;
};
