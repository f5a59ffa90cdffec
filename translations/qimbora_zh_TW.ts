<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>qimbora：%1= 后面要写 0.5 到 60 之间的秒数，比如 %1=%2。这次用 %2 秒。
</source>
        <translation>qimbora：%1= 後面要寫 0.5 到 60 之間的秒數，例如 %1=%2。這次用 %2 秒。
</translation>
    </message>
    <message>
        <source>qimbora：回答没能写出去（%1）。
</source>
        <translation>qimbora：回答沒能寫出去（%1）。
</translation>
    </message>
    <message>
        <source>用法：qimbora [选项]
按一下画布画一朵花，数一数画了几朵。没有鼠标也能画：
点一下画布（或按 Tab 键走到画布），用方向键移动十字，按空格键画花。

  --mute          不出声，只用文字表扬
  --scan[=秒]     用一个开关画花：竖线慢慢扫过画布，按一下停住，
                  横线再扫，按第二下就在交叉处画花（默认 6 秒扫一遍）。
                  空格键、回车键和鼠标键都是开关；大人按 Esc 暂停或继续
  --dwell[=秒]    指针在画布上停住不动就画花（默认 1.5 秒）
  --lang=语言     zh_CN：简体字，说普通话；zh_TW：繁体字，说普通话；
                  zh_HK：繁体字，说粤语（默认跟着桌面的语言）
  --help          显示这段说明
  --version       显示版本
</source>
        <translation>用法：qimbora [選項]
按一下畫布畫一朵花，數一數畫了幾朵。沒有滑鼠也能畫：
點一下畫布（或按 Tab 鍵走到畫布），用方向鍵移動十字，按空白鍵畫花。

  --mute          不出聲，只用文字稱讚
  --scan[=秒]     用一個開關畫花：直線慢慢掃過畫布，按一下停住，
                  橫線再掃，按第二下就在交叉處畫花（預設 6 秒掃一遍）。
                  空白鍵、Enter 鍵和滑鼠按鍵都是開關；大人按 Esc 暫停或繼續
  --dwell[=秒]    指標在畫布上停住不動就畫花（預設 1.5 秒）
  --lang=語言     zh_CN：簡體字，說普通話；zh_TW：繁體字，說國語；
                  zh_HK：繁體字，說粵語（預設跟著桌面的語言）
  --help          顯示這段說明
  --version       顯示版本
</translation>
    </message>
    <message>
        <source>许可证：GPL-3.0-or-later（GNU 通用公共许可证第 3 版，或任何更新的版本）。
这是自由软件：可以自由地修改和再分发。在法律允许的范围内，不提供任何担保。
</source>
        <translation>授權條款：GPL-3.0-or-later（GNU 通用公共授權條款第 3 版，或任何更新的版本）。
這是自由軟體：可以自由地修改和再散布。在法律允許的範圍內，不提供任何擔保。
</translation>
    </message>
    <message>
        <source>qimbora：--lang= 后面要写 zh_CN、zh_TW 或 zh_HK。这次跟着桌面的语言。
</source>
        <translation>qimbora：--lang= 後面要寫 zh_CN、zh_TW 或 zh_HK。這次跟著桌面的語言。
</translation>
    </message>
    <message>
        <source>qimbora：不认识的选项“%1”，已略过。用 qimbora --help 看看有哪些选项。
</source>
        <translation>qimbora：不認識的選項「%1」，已略過。用 qimbora --help 看看有哪些選項。
</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>
画好的画都还在，可以接着画。</source>
        <translation>
畫好的畫都還在，可以接著畫。</translation>
    </message>
    <message>
        <source>花样</source>
        <translation>花樣</translation>
    </message>
    <message>
        <source>花瓣数量</source>
        <translation>花瓣數量</translation>
    </message>
    <message>
        <source>“%1”框里要填一个数字，比如 %2。</source>
        <translation>「%1」框裡要填一個數字，例如 %2。</translation>
    </message>
    <message>
        <source>类型不匹配：框里要填一个数字。</source>
        <translation>型別不符：框裡要填一個數字。</translation>
    </message>
    <message>
        <source>已经数到 32767 朵花了，数不下去了。按“重 画”换一张新画布，就从 1 开始重新数。</source>
        <translation>已經數到 32767 朵花了，數不下去了。按「重 畫」換一張新畫布，就從 1 開始重新數。</translation>
    </message>
    <message>
        <source>“%1”框里的数字太大了，请填一个小一点的数字。</source>
        <translation>「%1」框裡的數字太大了，請填一個小一點的數字。</translation>
    </message>
    <message>
        <source>溢出：数字太大了。</source>
        <translation>溢位：數字太大了。</translation>
    </message>
    <message>
        <source>数字太大，算不出来：请在“花样”框里填一个小一点的数字。</source>
        <translation>數字太大，算不出來：請在「花樣」框裡填一個小一點的數字。</translation>
    </message>
    <message>
        <source>出了一个意外的错误（%1），这一步没有做完。</source>
        <translation>出了一個意外的錯誤（%1），這一步沒有做完。</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>磁盘满了。请删掉一些不要的文件，或者换一个地方保存。</source>
        <translation>磁碟滿了。請刪掉一些不要的檔案，或者換一個地方儲存。</translation>
    </message>
    <message>
        <source>没有权限写在这里。请换一个文件夹，比如自己的主文件夹。</source>
        <translation>沒有權限寫在這裡。請換一個資料夾，例如自己的個人資料夾。</translation>
    </message>
    <message>
        <source>这个地方只能读，不能写。请换一个文件夹保存。</source>
        <translation>這個地方只能讀，不能寫。請換一個資料夾儲存。</translation>
    </message>
    <message>
        <source>文件夹不存在。请选一个已有的文件夹。</source>
        <translation>資料夾不存在。請選一個已有的資料夾。</translation>
    </message>
    <message>
        <source>文件名太长了。请起一个短一点的名字。</source>
        <translation>檔名太長了。請取一個短一點的名字。</translation>
    </message>
    <message>
        <source>文件太大，超过了系统允许的大小。请换一个地方保存。</source>
        <translation>檔案太大，超過了系統允許的大小。請換一個地方儲存。</translation>
    </message>
    <message>
        <source>这是一个文件夹的名字。请起一个文件名。</source>
        <translation>這是一個資料夾的名字。請取一個檔名。</translation>
    </message>
    <message>
        <source>%1，错误代码 %2</source>
        <translation>%1，錯誤代碼 %2</translation>
    </message>
    <message>
        <source>写入没有完成</source>
        <translation>寫入沒有完成</translation>
    </message>
    <message>
        <source>出了问题（%1）。请换一个文件夹或文件名再试。</source>
        <translation>出了問題（%1）。請換一個資料夾或檔名再試。</translation>
    </message>
    <message>
        <source>没能保存“%1”：%2</source>
        <translation>沒能儲存「%1」：%2</translation>
    </message>
</context>
<context>
    <name>QtSaveDialog</name>
    <message>
        <source>位图 (*.bmp)</source>
        <translation>點陣圖 (*.bmp)</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>qimbora：连不上屏幕，窗口打不开。请在桌面里启动它，或者查看 DISPLAY、WAYLAND_DISPLAY 和 -platform 的设置。
</source>
        <translation>qimbora：連不上螢幕，視窗打不開。請在桌面裡啟動它，或者檢查 DISPLAY、WAYLAND_DISPLAY 和 -platform 的設定。
</translation>
    </message>
</context>
<context>
    <name>qimbora::Form1</name>
    <message>
        <source>一朵花</source>
        <translation>一朵花</translation>
    </message>
    <message>
        <source>十朵花</source>
        <translation>十朵花</translation>
    </message>
    <message>
        <source>花瓣数量</source>
        <translation>花瓣數量</translation>
    </message>
    <message>
        <source>花样</source>
        <translation>花樣</translation>
    </message>
    <message>
        <source>点画布画花学数字</source>
        <translation>點畫布畫花學數字</translation>
    </message>
    <message>
        <source>重 画</source>
        <translation>重 畫</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>儲 存</translation>
    </message>
    <message>
        <source>画布：按一下画一朵花，松开数一数</source>
        <translation>畫布：按一下畫一朵花，放開數一數</translation>
    </message>
    <message>
        <source>用方向键移动十字，按空格键或回车键画一朵花</source>
        <translation>用方向鍵移動十字，按空白鍵或 Enter 鍵畫一朵花</translation>
    </message>
    <message>
        <source>表扬</source>
        <translation>稱讚</translation>
    </message>
    <message>
        <source>画一朵花</source>
        <translation>畫一朵花</translation>
    </message>
    <message>
        <source>画十朵花</source>
        <translation>畫十朵花</translation>
    </message>
    <message>
        <source>数字的角度</source>
        <translation>數字的角度</translation>
    </message>
    <message>
        <source>重画：换一张新画布</source>
        <translation>重畫：換一張新畫布</translation>
    </message>
    <message>
        <source>保存：把画存成图片</source>
        <translation>儲存：把畫存成圖片</translation>
    </message>
    <message>
        <source>内存不够用了</source>
        <translation>記憶體不夠用了</translation>
    </message>
    <message>
        <source>原因不明</source>
        <translation>原因不明</translation>
    </message>
    <message>
        <source>真聪明!共画了%1朵花</source>
        <extracomment>The praise label: %1 is the count in digits.</extracomment>
        <translation>真聰明!共畫了%1朵花</translation>
    </message>
    <message>
        <source>表扬：</source>
        <translation>稱讚：</translation>
    </message>
    <message>
        <source>真聪明！共画了%1朵花</source>
        <extracomment>Spoken aloud, in Cantonese for Hong Kong: %1 is the count in Chinese numerals.</extracomment>
        <translation>真聰明！共畫了%1朵花</translation>
    </message>
</context>
<context>
    <name>qimbora::TitledWindow</name>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
</context>
</TS>
