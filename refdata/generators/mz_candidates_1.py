#!/usr/bin/env python3
"""Prints the shortlist of two-character name words for one half of the pool.

The pool of ready two-character words (refdata/pools/mz_words_*.tsv) is split
by the code point of the first character: half 1 holds the words whose first
character is below U+6C00, half 2 those at U+6C00 or above. The shortlist this
script prints for half 1 was read word by word to write mz_words_1.tsv; the
choice and the grade of each word are a reader's judgement and are not
repeated here. (Half 2 was read from the list of mz_candidates_2.py; --half 2
here applies the filters below to that half for comparison.)

Sources (Debian packages):
  - Unihan kTGH: the 3,500 common characters of the 2013 通用规范汉字表
    ("2013:NNNN" with NNNN <= 3500);
  - the jieba dictionary, lines "word freq tag";
  - the rime essay word list, lines "word<TAB>weight".

A word is listed when
  1. it has two characters, both among the 3,500, and the first character
     falls in the chosen half;
  2. neither character is in UNSUITABLE: particles, pronouns and other
     function characters, and characters of illness, death, crime, violence,
     filth, loss or scorn that spoil a shop name;
  3. its jieba tag is not a function-word tag (FUNCTION_TAGS);
  4. it passes one of three rules:
       "freq": jieba frequency >= JIEBA_FLOOR or essay weight >= ESSAY_FLOOR;
       "name": both characters are in NAME_CHARS (characters that read well
       in a firm's name) and the word is in jieba with frequency >=
       JIEBA_NAME_FLOOR, or with frequency >= JIEBA_LOW_FLOOR and a tag of
       proper or descriptive words (LOW_FLOOR_TAGS), or its essay weight is
       >= ESSAY_NAME_FLOOR;
       "omen": both characters are in NAME_CHARS, at least one is in
       AUSPICIOUS_CHARS, and the word is in jieba or the essay at all.
     Firm names such as 恒通 or 华信 are rare in running text, hence the low
     floors of the last two rules.

Output: TSV on standard output, columns zi, jieba_freq, jieba_tag,
essay_weight, rule ("freq", "name" or "omen"), ordered by code point of the
first then the second character. A word missing from a source shows 0 or "-".

The words kept in mz_words_1.tsv also leave out, by reading: brand and firm
names (华为, 吉利, 平安, 万科 ...), person names, political words and plain
everyday words; grade A marks clearly auspicious or positive words, grade B
ordinary ones such as place-like pairs (东山, 南湖) and plain nouns.

    python3 refdata/generators/mz_candidates.py --half 1 > /tmp/mz_candidates_1.tsv

Standard library only.
"""

import argparse
import sys

from word_sources import common_chars, load_essay, load_jieba


HALF_SPLIT = 0x6C00

JIEBA_FLOOR = 100
ESSAY_FLOOR = 1000
JIEBA_NAME_FLOOR = 5
JIEBA_LOW_FLOOR = 3
ESSAY_NAME_FLOOR = 700

# Particles, conjunctions, prepositions, pronouns, interjections, modal and
# onomatopoeic words.
FUNCTION_TAGS = {"u", "uj", "ul", "uz", "ud", "ug", "uv", "c", "p", "r", "rr",
                 "rz", "rg", "e", "y", "o"}

# Tags under which a word of jieba frequency 3 or 4 is still listed: names of
# firms, places and people, adjectives, descriptive and set phrases, time
# words (jieba tags many firm-like words nrt or t).
LOW_FLOOR_TAGS = {"nz", "nt", "nr", "nrt", "ns", "s", "t", "a", "ad", "an",
                  "b", "z", "i", "l", "j"}

# Characters that spoil a name, in the order of the table of 3,500.
UNSUITABLE = set(
    "匕刁了乃亏乞么亡尸也丐歹夭仇凶乏冗讥丑扒扔叮叭叽叼叨叹囚乍们他斥甩犯饥它奴孕迂刑圾朽厌死劣吁吐吓虫吊吃吗吆岂丢伤伪杀危妄"
    "污讳讶讹讼讽那奸她妈驮坏抠扰扼抢坟坑抖却劫芜呆吱吠呕呀吵呐呛吻呜吭吧吼囤吮岖我秃但佃你伺囱肝肛肚肘肠龟狈卵灸刨冻吝这弃闷"
    "汰沥沦汹没沉忧穷灾诈诉诊屁尿迟忌阻坠妓妖妨妒驳驴坷坯拐拄垃拧拙拗苦苛苟枉枪丧刺殴斩歧齿些虏肾哎咕呵咙呻咒咋咐呢咄败贬刮侥"
    "侈卑的贪贫忿肿胀肮肪胁昏狐狗狞疟疙疚卒废盲氓闹炕泄沾泪沮泣泞泻泌怔怯怖怕怜怪诡陋孤姆玷毒垮挎挟挠拽垢挣挤茬荒荤枯栅歪砍耍"
    "残殃鸦虐昧盹眨哇哄哑咧畏趴蚁蚂虽咽骂哗咱哈哆咬咳咪哪哟贱钝牲俩侮俘鬼侵很逃胚狭狰狡狱狠怨饵蚀哀疮疯疫疤叛迷逆炸烂剃洼浊恍"
    "恼恨窃诫诬误诱屎陨姥怒怠蚤绞骇耗耙匿匪捕捂捏埋捉捆损逝挫恐捣捅挨耻耽恶酌辱砸砰砾破殉毙哮唠蚌蚣蚊蚪蚓哩哭哦唁哼唧啊唉唆罢"
    "贼贿赂赃钳债俺倾倒倘倦臭倔豺胰脐脓逛狸狼饿馁凄衰症病疾疹疼疲紊畜烦涝涕烫涩悖悍悔悯害被冥谁冤剥屑弱祟陷掉捶掏掐掠掷掘萎婪"
    "梗酗聋袭颅虚眯悬啪啦晦啃蚯蛀蛇唬啰唾啥崩铐秽笨偷您衅徘豚猪猖痒痕盗淹淫淤惭悼惧惨寇窒谍谎祸逮屠堕婶绷揍搀搓搔欺惹葬辜棍棺"
    "惑逼裂悲跌跛蛙蛛喂喘喉啼赌赎赔锄锅锈猩猬猾惫馋痘痢痪痛粪滞渣湿渴溃溅愤慌惰愕愣惶愧窜窘谣谤骗骚魂塌搞蒜靶墓碍碎碰雹嗜鄙嗦"
    "愚畸跷跺跪跤蜈蜗嗅嗡嗓罪锥锯矮颓愁毁鼠傻躲腻腥腮腺猿煞馍馏痹痴痰滥溺窟褂裸谬嫉嫌缚缠剿赘熬墟摧摔蔑蔽酸雌嗽蜡蝇蜘嘛嘀舔腐"
    "瘩瘟瘦歉弊熄煽漏寡褪骡撵撕撬擒撞醋醉磕霉瞒暴瞎嘻嘶嘲踢蝠蝎蝗蝙嘿镐僵躺僻瘪瘤瘫糊憋憔懊憎谴憨劈噩蹂蟆噪篡瘾瘸糙濒懒憾懈蹋"
    "臊鳄癌糟懦臀嚣戳孽蹭蹬癣鳖爆躁蠕嚼嚷魔蠢霸霹躏黯髓囊罐"
)

# Characters that read well in the name of a firm or shop, in table order.
NAME_CHARS = set(
    "一二十丁七八人入九力三干工土士才大丈万上小山千川亿久凡广门义之己弓子卫女飞习马丰王开井天夫元无云专艺木五支厅不太友尤车巨"
    "日中水见午牛手气毛壬升长仁化币反今分公仓月风丹匀凤六文方火为斗计心尺引巴孔办以允予双书玉刊未示巧正卉功甘世艾古节本术可丙"
    "左石右布戊龙平东卡北占业旧帅归旦目叶甲申电号田由史央兄四生禾丘付代仙仪白瓜令用印尔乐册外冬鸟务包主市立玄兰半汇头汉宁礼必"
    "永司民弘出辽奶加边发圣对台母幼丝邦式动寺吉考托老执扩扬共亚芝朴机权协西百有存匠达成尧迈至贞师光当早曲同屹岁帆回刚网年朱先"
    "廷竹乔伟传休伍优仲任价华仰自伊向行舟全会合兆企众创朵旬旨旭名多争色壮冲冰庄庆亦齐交衣次产充问羊关米灯州江池汤兴宇守宅字安"
    "讲军许论农设访寻迅导孙阵阳收如妃好羽观欢红约级纪驰巡寿麦玖玛形进远韧运扶技走贡攻赤孝均志声抒芙苇芽花芹芬苍芳严芦芯劳克芭"
    "苏材村杏杉极李杨求甫更吾豆两丽医辰励来连轩步坚时助里园旷足员听吟邑帐财针牡告利秀兵体何佐佑作伯伶位伴身佛近返余希坐谷妥含"
    "邻甸角条彤岛迎饭饮言状亩床库序辛冶闲间兑灿灼弟汪沐沛沙汽沃沧沪沈沁怀忱快完宋宏究良证启评补初社识词译君灵层局改张际陆阿陈"
    "附妙努劲鸡纬纯纱纲纳纵纷纹纺纽奉玩环武青责现玫表规拓坪坦担坤拥抱拉幸拂招坡择其取茉昔若茂苹苗英苑苞范直茁茎茅林枝杯枢析板"
    "松枫构杭杰述画事枣雨郁码奈奔奇奋态欧转轮软到非肯卓虎贤尚旺具味果昆国昌畅明易昂迪典固忠呼鸣咏咖岸岩帜岭凯图制知氛垂牧物和"
    "季委秉佳岳供使例侠版侣侨佩依质欣征往径所舍金命斧采受乳念肤朋服周鱼兔忽备饰京享店府底郊净放育单炬炎法沽河油泊沿注泳波泽治"
    "性怡学宝宗定宜审宙官空宛实试郎诗房诚视祈话详建录居届弥弦承孟姑姐姓妮始驾参线练组绅细驶织驹终驻绍经贯契奏春帮珍玲珊型封项"
    "城政赴挺括指拼按挥拯荐草茵茶茫荣荧胡荫荔南药标柑栋相柏柳柱柿柠树勃威研厚面耐鸥轻点临览省尝是盼显映星昭贵界虹思品勋响炭峡"
    "钟钢钦钧拜看矩选适香种秋科重复便顺修俏保促俐俭信皇泉禹侯追俊待律须剑食胜脉勉狮独饶饺饼峦将奖亭亮度庭亲音帝施闻阁养美首总"
    "炼烁炫洁洪测活派洽染洛济洋洲浓津恒恢恬恰举觉宣室宫宪穿客冠语祖神祝说诵屋昼屏眉孩除院娇娜架贺盈勇柔结绘给绚骆络统耕耘艳泰"
    "秦珠班素栽振载起捐都哲换挚热恭莱莲莉荷获晋莹莺真框桂栖档桐株桥桦桃格校核样根索哥速栗配翅夏础原套逐烈殊顾较顿致柴紧晓鸭晃"
    "畔圃恩鸯峭峨峰圆峻钱钻铁铃氧特造乘租积秩称秘透笔笑借值倚俱倡候倍健射躬息徐殷舰般航途爱豹颁颂翁脆胸留鸳凌恋桨高席准座斋效"
    "离唐瓷资站竞部旁旅阅益兼烛涛浦酒浩海浴浮流润涧浪涌悟悦宽家宵宴宾容宰案请朗诸诺读扇袖祥课调谈谊展剧陶陪娱娟恕娥通能预桑绢"
    "绣验继骏球理琉琅捧描域捷授教培接控探据职基聆勘聊著菱黄菲萌菌菜萄菊菩萍营乾萧萨菇彬梦梧梅梳梯曹副票酝硕爽盛雪辅彪雀堂常晨"
    "野曼晚啡距跃略唱唯崖崎崭崇崛铭银甜梨移笛笙符第敏做悠偶售停得鸽彩领象逸凰猛馅馆麻康庸鹿章商族旋望率羚盖眷粒焕清添鸿淋渠淑"
    "渊淘淳液淡深涵梁情惜惟寅寄宿密谋谐谜敢随隆婉绩绪续骑维绵绸综绽绿琴琳琢琼斑替款堪塔搭越趋超揽提博喜彭援裁壹握斯期联散董葡"
    "敬落韩朝葵棋植森棉棚惠粟酥厨厦硬确雁雄雅翘辈紫辉敞棠赏掌晴暑最晰量鼎晶遇景践喻喧幅帽赋赐铸铺链锋锐智毯鹅程稀税筑策答筝傲"
    "傅牌堡集焦储皓奥街御循艇舒番释鲁然馈装就敦斌童竣阔善翔羡普尊道遂曾焰港湖湘渤温湾渡游滋愉慨寒富寓窗遍裕禅禄谢谦属强粥疏登"
    "缘瑟瑞瑰肆摄搏鼓携搬塘聘勤鹊蓝幕蓬蓄蒲蓉蒸献椿楚楷榄想槐榆楼概酬感雷零辐辑输督频龄鉴睦暖盟暇照跨跳路蜂署置锦键筹签简像魁"
    "微愈遥鹏腾颖解酱廉靖新韵意粮数塑慈煌满源溪溢溯滨慎誉谨福群殿辟静碧璃嘉赫誓境聚慕暮熙蔚兢模榴榜榕歌酵酿磁愿需辖裳颗墅踊蜻"
    "蝉赚锻舞稳熏算管箫舆魄貌鲜豪膏辣彰端旗精粹熔潇漆漂漫漾演慷赛察蜜谭肇谱翠熊缩慧撒趣播墩增撰聪蕉蕊蔬蕴横樱橡樟橄敷飘醇磊震"
    "霄题影踏踪蝶蝴幢墨镇靠稽稻黎稿稼箱篇德艘鲤熟摩褒颜毅遵潜澎潮潭澳潘澈澜澄懂翩鹤慰履豫操擅燕蕾薇擎薪翰橙橘整融醒霍冀餐器鹦"
    "赠默镜赞穆篮篷儒邀衡膨雕鲸磨凝辨辩糖糕燃激壁戴擦藉鞠藏檬檀礁霜霞曙蹈穗魏簇繁徽爵赢豁翼藤覆瞻翻鹰瀑襟璧攀巅馨耀巍籍鳞灌露"
    "矗"
)


# Characters of plain good omen (prosperity, brightness, virtue, growth), a part
# of NAME_CHARS, in table order. A word of two name characters holding one of
# these is listed at any frequency (rule "omen").
AUSPICIOUS_CHARS = set(
    "力工大万山千川亿久义飞丰开天元云艺友日中升长仁月凤文方心书玉巧正功本石龙业禾乐立兰汇宁礼永发吉朴百匠达成光帆年竹伟优华全"
    "合众创旭庆江兴宇安阳好欢驰寿进远孝志芳辰坚利秀谷灿宏启妙青拓坤茂英林松杰奇卓尚旺昌畅明固忠凯图和佳岳欣金朋波泽怡学宝实诚"
    "建春珍荣柏厚星贵虹思品钧香顺俭信泉俊胜亲美首洁恒冠盈泰珠莲荷真桂根恩峰圆特健航途爱颂高益涛浩海润悦朗祥展通绣骏捷基菊乾梦"
    "梅盛晨跃铭银敏彩逸康焕清鸿谐隆绿琳越超博喜敬森惠雄雅辉晴鼎锐智程舒善翔道湖富裕禄谦强瑞勤蓝想路锦鹏腾颖廉新韵慈煌满源溪誉"
    "福静嘉聚熙愿豪精翠慧聪磊德毅澜澄鹤融赞霞穗馨耀露"
)





def listed_rule(word, jieba, essay):
    """Returns "freq", "name" or None for a word of the 3,500."""
    a, b = word
    if a in UNSUITABLE or b in UNSUITABLE:
        return None
    freq, tag = jieba.get(word, (0, "-"))
    if tag in FUNCTION_TAGS:
        return None
    weight = essay.get(word, 0)
    if freq >= JIEBA_FLOOR or weight >= ESSAY_FLOOR:
        return "freq"
    if a in NAME_CHARS and b in NAME_CHARS:
        if word in jieba and (freq >= JIEBA_NAME_FLOOR
                              or (freq >= JIEBA_LOW_FLOOR and tag in LOW_FLOOR_TAGS)):
            return "name"
        if weight >= ESSAY_NAME_FLOOR:
            return "name"
        if (a in AUSPICIOUS_CHARS or b in AUSPICIOUS_CHARS) and (word in jieba or weight > 0):
            return "omen"
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--half", type=int, choices=(1, 2), required=True,
                        help="1: first character below U+6C00; 2: the rest")
    args = parser.parse_args()

    overlap = UNSUITABLE & NAME_CHARS
    if overlap:
        sys.exit("error: in both character lists: " + "".join(sorted(overlap)))
    if not AUSPICIOUS_CHARS <= NAME_CHARS:
        sys.exit("error: not in NAME_CHARS: "
                 + "".join(sorted(AUSPICIOUS_CHARS - NAME_CHARS)))
    common = common_chars()
    stray = (UNSUITABLE | NAME_CHARS) - common
    if stray:
        sys.exit("error: not among the 3,500: " + "".join(sorted(stray)))

    jieba = load_jieba()
    essay = load_essay()
    out = sys.stdout
    out.write("zi\tjieba_freq\tjieba_tag\tessay_weight\trule\n")
    for word in sorted(set(jieba) | set(essay), key=lambda w: (ord(w[0]), ord(w[1]))):
        a, b = word
        if a not in common or b not in common:
            continue
        if (ord(a) < HALF_SPLIT) != (args.half == 1):
            continue
        rule = listed_rule(word, jieba, essay)
        if rule is None:
            continue
        freq, tag = jieba.get(word, (0, "-"))
        out.write("%s\t%d\t%s\t%d\t%s\n" % (word, freq, tag, essay.get(word, 0), rule))


if __name__ == "__main__":
    main()
