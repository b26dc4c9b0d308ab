#!/usr/bin/env python3
"""Prints the shortlist of two-character name words (second half of the pool).

The pool of ready two-character words used for four-character short names is
split by the first character: this half holds the words whose first character
has a code point of U+6C00 or above. The shortlist printed here is what was
read word by word to write refdata/pools/mz_words_2.tsv; the grading itself
is a human judgement and is not repeated by this script.

Sources (Debian packages, already installed):
  - Unihan kTGH: the 3,500 common characters of the 2013 通用规范汉字表
    (kTGH "2013:NNNN" with NNNN <= 3500);
  - the jieba dictionary, lines "word freq tag";
  - the rime essay word list, lines "word<TAB>weight".

A word is listed when
  1. it has two characters, both among the 3,500 common characters, and the
     first character is U+6C00 or above;
  2. neither character is in UNSUITABLE (particles, pronouns, negations and
     characters of illness, death, crime, violence, filth, loss or failure,
     politics and the like, which have no place in a shop name);
  3. it is frequent enough: jieba frequency >= JIEBA_FLOOR or essay weight
     >= ESSAY_FLOOR; or both characters are among NAME_CHARS (characters
     usual in firm names) and the word is listed at all: in jieba (whose
     lowest frequency is JIEBA_NAME_FLOOR) or in the essay (any weight);
     or one character is among NAME_CHARS and jieba frequency >=
     JIEBA_NEAR_FLOOR or essay weight >= ESSAY_NEAR_FLOOR; or one
     character is among CORE_CHARS (any listed word).

Output: TSV on standard output, columns zi, jieba_freq, jieba_tag,
essay_weight, rule ("freq", "name", "near" or "core": the first of the
conditions above that admitted the word), ordered by code point of the
first then the second character. A missing source value is printed as 0 or
"-".

Run: python3 refdata/generators/mz_candidates_2.py > /tmp/mz_candidates_2.tsv
"""

import sys

from word_sources import common_chars, load_essay, load_jieba


FIRST_MIN = 0x6C00
JIEBA_FLOOR = 50
ESSAY_FLOOR = 1000
JIEBA_NAME_FLOOR = 2
ESSAY_NAME_FLOOR = 0
JIEBA_NEAR_FLOOR = 20
ESSAY_NEAR_FLOOR = 500

UNSUITABLE = set(
    # particles, interjections, pronouns, negations, function words
    "的了吗呢吧啊着么们呀哦嘛哈嗯哪啦喽咯呗哟噢唉哎嗬嘿呃哇嗨也矣乎哉焉兮耶"
    "哼嗷嘻呵咦"
    "我你他她它您咱俺这那谁啥怎某其此彼该各每"
    "不没别勿莫甭未否"
    "被把给让叫从向往于对跟与或及而且并则却但虽即便就又还再已曾仍很太最更挺"
    "个些点儿"
    # death, mourning, illness, injury, misfortune
    "死亡丧殁葬殡祭坟墓棺尸骸魂鬼魔妖怪"
    "病疾痛疼症瘟疫癌瘤疮疤痒疯癫瘫痪瘸瞎聋哑盲伤残损毙殃灾祸难患厄劫危险"
    "哭泣泪悲哀惨凄愁忧愤怒恨怨憎厌烦恼闷悔愧羞耻辱惧怕恐慌惊吓骇疑惑冤枉"
    "贫穷贱乏困饥饿寒冷孤寡鳏孀乞丐苦酸瘦"
    # crime, violence, war, politics
    "杀戮斩砍刺殴打抢盗贼偷窃骗诈欺罪犯狱囚刑罚赃匪寇奸凶暴虐狠毒害"
    "枪炮弹炸爆战血逃躲逼迫剥削拆禁赌狂"
    "党政国"
    # vulgarity, filth, lust
    "屎尿屁粪厕痰呕臭脏污垢秽淫娼妓嫖婊骚屌屄肏操奶乳臀裸阴欲"
    "奴妾婢"
    # decay, failure, loss, darkness
    "腐朽败衰弱破碎毁坏崩塌垮倒跌摔坠落陷溺淹漏废弃灭断裂缺失错误乱散"
    "黑暗昏晦霉"
    "蠢傻呆笨愚痴懒馋贪吝啬假伪虚骂吵闹嘲讽讥滥"
    "输亏赔欠债负丑陋恶劣差滚"
    # vermin and animals used as insults
    "蛆虱蚊蝇蟑螂鼠蛇蝎狗猪狼狐猴猫蛙蛤虫蚁蚤蜘蛛"
)

NAME_CHARS = set(
    "安邦宝保贝必碧标彬斌滨冰博才彩灿昌长畅超辰晨成诚承驰崇楚川创春纯淳聪翠"
    "达大道德登迪典鼎东都笃端多恩发帆繁方芳飞菲丰锋峰凤福富甘港高歌格耕工功"
    "冠光广贵海涵翰瀚航豪好浩禾和合河恒弘宏洪鸿虹厚华化辉徽汇慧惠吉嘉佳家坚"
    "建健江杰洁金锦进晶精景敬静久聚君俊骏凯康科可坤蓝朗乐雷磊黎力立利莉丽联"
    "良林霖琳玲灵凌领隆龙禄路露伦轮罗满茂美萌梦蒙淼妙民敏名明铭茗木沐纳楠能"
    "宁农诺欧派鹏品平屏普齐奇琪棋旗启千谦乾强乔巧琴勤青清晴庆秋泉群然仁日荣"
    "融蓉锐瑞润若森善尚韶盛升生胜圣诗石时实士世书舒曙树帅双爽顺硕思松颂苏素"
    "速泰唐棠滔腾天田通同童途拓万旺威薇维伟卫文闻沃武舞西希喜夏先贤祥翔潇晓"
    "效心欣新鑫信星兴行雄秀轩萱学雪讯迅雅亚彦燕阳扬洋耀业一怡宜亿艺益逸毅意"
    "音银英盈莹赢影永勇优友宇羽雨语玉育昱煜誉元园源远苑月悦跃越云运韵泽展湛"
    "章昭兆哲臻真振正之至志致智中忠众州洲卓紫宗尊佐馨钰瑾璟琦璐瑶琼珑珍珠瑜"
    "琛璞晟昊旭昕晖皓曦炜烨焕煌熙炎焱犇"
    "百寿喜财如意霞电霜岭岳峻松柏竹梅兰菊莲荷桂枫桃李杏柳杨桑稻麦穗谷粮"
    "林草芬蕙芝茶义礼廉技凡鹤鹰鸾麟虎狮骥骋律瑟笛箫鼓钟溪潭波涛澜浪湖山川"
    "儒冬固城墨奕妍巍慈捷昂栋桐欢沛泓津浦涌渊溢澄灏炫烁爱牧特环珂珊瑛璋皎"
    "督睿瞻磐祯禧程稳稼竞笙筑策筠简红纬经绣绮绿缘羲翼耘肇舟艳花芸茁茵菁萃"
    "萍葆蓬蔚蕴蕾衡裕览谊谋谐豫贺赋赛赞迈连遥郁醇钢阔隽霓韬颐颖风香馥骐鸣"
    "麒黛亭吟咏姿孝宾恬愉淑滋璧甜祝荔莺蜜蝶赏趣霄靖鲜"
)


# Characters of plainly good omen: a word holding one of them is listed at
# any frequency, so that rare but fitting words (鸿图, 盛举, 永驻) are read too.
CORE_CHARS = set(
    "瑞祥福禄寿喜鑫盛鸿锦鼎隆顺裕誉腾骏鹏翔耀辉煌灿馨雅秀美精诚益泰润汇永"
    "昌荣兴旺富贵吉嘉佳华丰茂繁兆康宁安和瑶琪琳珍珠宝金玉银源泽浩瀚海洋清"
    "澄淳洁韵睿智慧聪贤德善仁信义礼廉忠孝勤俭鸾凤麟龙虎骥骐"
)





def main():
    common = common_chars()
    if len(common) != 3500:
        sys.exit("expected 3500 common characters, found %d" % len(common))
    jieba = load_jieba()
    essay = load_essay()
    out = sys.stdout
    out.write("zi\tjieba_freq\tjieba_tag\tessay_weight\trule\n")
    for word in sorted(set(jieba) | set(essay), key=lambda w: (ord(w[0]), ord(w[1]))):
        a, b = word
        if ord(a) < FIRST_MIN or a not in common or b not in common:
            continue
        if a in UNSUITABLE or b in UNSUITABLE:
            continue
        freq, tag = jieba.get(word, (0, "-"))
        weight = essay.get(word, 0)
        if freq >= JIEBA_FLOOR or weight >= ESSAY_FLOOR:
            rule = "freq"
        elif (a in NAME_CHARS and b in NAME_CHARS
              and ((word in jieba and freq >= JIEBA_NAME_FLOOR)
                   or (word in essay and weight >= ESSAY_NAME_FLOOR))):
            rule = "name"
        elif ((a in NAME_CHARS or b in NAME_CHARS)
              and (freq >= JIEBA_NEAR_FLOOR or weight >= ESSAY_NEAR_FLOOR)):
            rule = "near"
        elif a in CORE_CHARS or b in CORE_CHARS:
            rule = "core"
        else:
            continue
        out.write("%s\t%d\t%s\t%d\t%s\n" % (word, freq, tag, weight, rule))


if __name__ == "__main__":
    main()
