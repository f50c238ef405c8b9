#include "actions/PrintError.h"

namespace kx {

PrintError PrintError::Overflow() { return {6, "オーバーフローしました。"}; }

PrintError PrintError::DivisionByZero() { return {11, "0 で除算しました。"}; }

PrintError PrintError::OutOfMemory() { return {7, "メモリが不足しています。"}; }

PrintError PrintError::NoPrintableArea() {
  return {1001, "余白が大きすぎて、印刷できる領域がありません。"};
}

PrintError PrintError::RefusedSetting(const std::string& setting) {
  return {380, "プリンタがこの設定を受け付けません。(" + setting + ")"};
}

PrintError PrintError::PrinterCall(const std::string& call) {
  return {482, "プリンタ エラーです。(" + call + ")"};
}

}  // namespace kx
