// The outcome of an exchange; it chooses the text the user is shown.
#pragma once

#include <QString>

namespace tessel {

enum class ExchangeResult : int {
    None = 0, // no exchange has ended yet, or one ended without a command to send
    OpenFailed = 2, // opening the badge or writing the handshake failed
    NoHandshake = 3, // no handshake answer within 500 ms
    NoReply = 6, // three time-outs in a row for one packet
    WriteFailed = 7, // writing a command or data packet failed
    TransferRefused = 9, // begin-transfer answer with byte 3 = 1
    NothingToSend = 10, // the device image is 8 bytes or shorter
    BadgeRejected = 11, // handshake answer not accepted
    SearchDone = 12,
    ParametersSet = 13, // screen-parameter exchange: reply 0x07
    ParametersRead = 14, // screen-parameter exchange: reply 0x05
    SendDone = 16,
    ClearDone = 17,
    ChargeIconDone = 18,
    BrightnessDone = 19,
    ImageTooLarge = 20, // more programs or packets than the transfer can count
    SerialChosen = 21, // the serial interface is chosen: nothing was sent
};

// The language key of the outcome text of the send session ("tip18", ...);
// empty for a result without a text.
QString SendResultTextKey(ExchangeResult result);
// The same for the screen-parameter exchange.
QString ScreenParaResultTextKey(ExchangeResult result);

// True for the results that report a completed command.
bool IsSuccess(ExchangeResult result);

} // namespace tessel
