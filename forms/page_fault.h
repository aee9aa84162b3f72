#pragma once

// The control a failed reading or check of the page points at, so that the
// page can put the user there.
struct PageFault {
    enum class Field { SavePath, InstantNumber, PhoneNumber, ReceiveEmail, RenameText };

    Field field = Field::SavePath;
    int recipient = 0; // 0..3, for a phone or an e-mail

    friend bool operator==(const PageFault &, const PageFault &) = default;
};
