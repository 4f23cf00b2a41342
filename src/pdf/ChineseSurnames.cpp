#include "pdf/ChineseSurnames.h"
#include <QStringList>

namespace pdf {

bool startsWithChineseSurname(const QString& name) {
    // about 480 single family names, which cover nearly everyone
    static const QString single = QStringLiteral(
        "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔"
        "钟谭陆汪范金石廖贾夏韦付傅方白邹孟熊秦邱丘江尹薛闫阎段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤常温康施文"
        "牛樊葛邢安齐易乔伍庞颜倪庄聂章鲁岳翟殷詹申欧耿关兰焦俞左柳甘祝包宁尚符舒阮柯纪梅童凌毕单季裴霍涂成苗谷盛曲"
        "翁冉骆蓝路游辛靳管柴蒙鲍华喻祁蒲房滕屈饶解牟艾尤阳时穆农司卓古吉缪简车项连芦卢麦褚娄窦戚岑景党宫费卜冷晏席卫"
        "米柏宗瞿桂全佟应臧闵苟邬边卞姬师和仇栾隋商刁沙荣巫寇桑郎甄丛仲虞敖巩明佘池查麻苑迟邝官封谈匡鞠惠荆乐冀郁胥"
        "南班储原栗燕楚鄢劳谌奚皮粟冼蔺楼盘满闻位厉伊仝区郜海阚花权强帅屠豆朴盖练廉禹井祖漆巴丰支卿国狄平计索宣晋相"
        "初门云容敬来扈晁芮都普阙浦戈伏鹿薄邸雍辜羊阿乌母裘亓修邰赫杭况那宿鲜印逯隆茹诸战慕危玉银亢嵇公哈湛宾戎勾茅"
        "利於呼居揭干但尉冶斯元束檀衣信展阴昝智幸奉植衡富尧闭由洪黄言经贝宦火竺东宇令端独西上长夏侯皇后生拓买邓"
        // the same names in traditional letters, where they differ
        "陳劉張黃趙吳鄭謝馮鄧蕭葉蘇呂盧鍾譚陸範賈韋鄒閆龍賀顧龔萬錢嚴湯溫齊喬龐顏莊聶魯歐關蘭寧紀畢單塗駱藍遊"
        "靳鮑華饒繆簡車項連蘆麥婁竇黨宮費衛應閔鄔邊師欒榮叢鞏遲鄺談荊樂儲勞諶藺樓盤滿聞厲區闞權強帥樸蓋練豐"
        "國計晉門雲來闕烏況鮮諸戰銀賓陰堯閉經貝東獨長買楊許羅韓蔣孫馬鍾");
    // compound names whose first letter is no single name of its own
    static const QStringList compound = {QStringLiteral("欧阳"), QStringLiteral("上官"), QStringLiteral("司马"),
                                         QStringLiteral("诸葛"), QStringLiteral("东方"), QStringLiteral("皇甫"),
                                         QStringLiteral("尉迟"), QStringLiteral("公孙"), QStringLiteral("慕容"),
                                         QStringLiteral("长孙"), QStringLiteral("宇文"), QStringLiteral("司徒"),
                                         QStringLiteral("夏侯"), QStringLiteral("令狐"), QStringLiteral("端木"),
                                         QStringLiteral("独孤"), QStringLiteral("南宫"), QStringLiteral("西门"),
                                         QStringLiteral("拓跋"), QStringLiteral("呼延"), QStringLiteral("申屠")};
    if (name.isEmpty()) return false;
    for (const QString& c : compound)
        if (name.startsWith(c)) return true;
    return single.contains(name.front());
}

}  // namespace pdf
