#pragma once

// The table page's style. Large targets for one thumb on a phone about 390 px wide. The entry
// form's summary and confirm button follow the result buttons in the page's flow rather than
// float over them: a bar kept at the screen's bottom covered the last row of results wherever
// the browser's own bars left less than the whole screen. The script brings the confirm
// button into view once the result is complete.
namespace vindelkast {

inline constexpr const char* kTablePageStyle = R"CSS(
*{box-sizing:border-box}body{margin:0;font:18px/1.35 system-ui,sans-serif;background:#f4f4ef;color:#111}
header{background:#1d4d2b;color:#fff;padding:8px 14px}h1{font-size:19px;margin:0}h2{font-size:17px;margin:10px 0 4px}
h3{font-size:17px;margin:14px 0 4px}main{padding:8px 10px 16px;max-width:480px;margin:auto}.hidden{display:none}
input{font-size:22px;padding:10px;width:100%;border:2px solid #777;border-radius:8px;margin:4px 0 10px}
button{font-size:19px;min-height:48px;min-width:44px;border:2px solid #1d4d2b;border-radius:10px;background:#fff;color:#111;margin:2px;padding:4px 8px}
button.on{background:#1d4d2b;color:#fff}button.big{width:100%;background:#1d4d2b;color:#fff;min-height:54px;margin:4px 0}
button.plain{width:100%;background:#fff;color:#1d4d2b;min-height:48px;margin:4px 0}
button:disabled{background:#c9cfc9;border-color:#9aa39a;color:#555}
.row{display:flex;flex-wrap:wrap}.row button{flex:1 0 44px}.red{color:#b00}button.on.red{color:#fff}
.board{display:block;width:100%;text-align:left}.board small{display:block;font-size:15px;color:#444}
.board.done{border-color:#888;background:#e7efe7}.board.held{border-color:#b36b00;background:#fff3c4}
.msg{padding:8px;border-radius:8px;background:#fff3c4;margin:6px 0;border:1px solid #d9b100}
.bar{background:#f4f4ef;border-top:2px solid #1d4d2b;padding:6px 0 4px;margin-top:8px}
#summary{font-size:17px;min-height:24px}.score{font-size:22px;font-weight:bold;min-height:30px}
.box{background:#fff;border:2px solid #1d4d2b;border-radius:10px;padding:8px 10px;margin:8px 0}
table{width:100%;border-collapse:collapse;font-size:15px}td,th{border-bottom:1px solid #ccc;padding:4px 3px;text-align:left}
td.n,th.n{text-align:right}tr.own td{font-weight:bold;background:#e7efe7}th.r{background:#eef2ee}
#queue{font-size:15px;color:#dfe}#resultsLink{color:#fff;font-size:15px}.suit-red{color:#c00}.note{font-size:15px;color:#333}
)CSS";

}  // namespace vindelkast
