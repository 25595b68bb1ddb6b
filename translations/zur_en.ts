<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
<context>
    <name>Broucek</name>
    <message>
        <source>Zabito:</source>
        <translation>Kills:</translation>
    </message>
    <message>
        <source>Jsi mrtev, nestihl jsi broucka zabit</source>
        <translation>You&apos;re dead: you didn&apos;t squash the bug in time</translation>
    </message>
    <message>
        <source>Vyhrál jsi</source>
        <translation>You won</translation>
    </message>
    <message>
        <source>Broucek</source>
        <translation>Squash the Bug</translation>
    </message>
</context>
<context>
    <name>CityMap</name>
    <message>
        <source>Policejní stanice</source>
        <translation>Police Station</translation>
    </message>
    <message>
        <source>Vila Prezidenta</source>
        <translation>President&apos;s Villa</translation>
    </message>
    <message>
        <source>Rock Bar</source>
        <translation>Rock Bar</translation>
    </message>
    <message>
        <source>Zřícenina Hradu</source>
        <translation>Castle Ruin</translation>
    </message>
</context>
<context>
    <name>Conversation</name>
    <message>
        <source>Dobrý den pane policajte!</source>
        <translation>Good day, officer!</translation>
    </message>
    <message>
        <source>Nezdržujte, co chcete!?!</source>
        <translation>Make it quick, what do you want!?!</translation>
    </message>
    <message>
        <source>Chci se zeptat na ten rozbitý bazar venku a na toho bezdomovce!</source>
        <translation>I want to ask about the smashed shop outside and that homeless guy!</translation>
    </message>
    <message>
        <source>Ten Bazar je policejní a tudíž tajná záležitost</source>
        <translation>That shop is a police matter, and therefore top secret</translation>
    </message>
    <message>
        <source>A co tam na dvoře dělá ten bezdomovec!?!</source>
        <translation>And what&apos;s the homeless guy doing in the yard!?!</translation>
    </message>
    <message>
        <source>Ale když viděl vykradený bazar, chtěl ho vyrabovat a nyní prosím odejděte</source>
        <translation>He saw the robbed shop and wanted to loot it too. Now please leave</translation>
    </message>
    <message>
        <source>Ahoj Bezdomovče</source>
        <translation>Hello, Mr Homeless</translation>
    </message>
    <message>
        <source>Nech mě být, neber mi to!</source>
        <translation>Leave me alone, don&apos;t take it!</translation>
    </message>
    <message>
        <source>A co ti nemám brát</source>
        <translation>Don&apos;t take what?</translation>
    </message>
    <message>
        <source>Neber mi můj oheň, prosím tě</source>
        <translation>Please, don&apos;t take my fire</translation>
    </message>
    <message>
        <source>Aha, (dochází ti, že v té bedně je nějaké palivo a proto ta odměrka u sudu)</source>
        <translation>Aha (it dawns on you: the crate holds fuel, hence the cup by the barrel)</translation>
    </message>
    <message>
        <source>Dám ti ho jen když mi doneseš moje dříví a zápalky z mého Hradu</source>
        <translation>It&apos;s yours only if you bring my wood and matches from my castle</translation>
    </message>
    <message>
        <source>Ten Hrad není tvůj, ale každopádně se tam podívám</source>
        <translation>That castle isn&apos;t yours, but I&apos;ll go and have a look</translation>
    </message>
    <message>
        <source>Ahoj Bezdomovče, tak jsem tady mám ty věci</source>
        <translation>Hello, Mr Homeless, I&apos;m back and I&apos;ve got your things</translation>
    </message>
    <message>
        <source>Já chtěl oheň, tak z toho nějak udělěj oheň a pak ti to dám</source>
        <translation>I wanted fire, so make a fire out of that somehow, then I&apos;ll give it to you</translation>
    </message>
    <message>
        <source>Dobře, pokusím se o to!</source>
        <translation>Fine, I&apos;ll give it a try!</translation>
    </message>
    <message>
        <source>OK, ale pak už se mnou nemluv a rovnou mi oheň dej, až to budeš mít, můžeš si z té bedny...</source>
        <translation>OK, but then no more talking, just hand me the fire. Once you have, you may take from the crate...</translation>
    </message>
    <message>
        <source>Z jaké bedny, co!</source>
        <translation>What crate, eh?!</translation>
    </message>
    <message>
        <source>Můžeš si z té bedny nabrat do odměrky trochu kyseliny</source>
        <translation>You may scoop a little acid from the crate into your measuring cup</translation>
    </message>
    <message>
        <source>Aha, tak kyselina, dobrá udělám to</source>
        <translation>Aha, acid it is. Fine, I&apos;ll do it</translation>
    </message>
    <message>
        <source>Ahoj, ty jsi hlídač, že jo</source>
        <translation>Hi, you&apos;re the bouncer, right?</translation>
    </message>
    <message>
        <source>Jo a nechtěj aď tě pustím dovnitř, jestli nemáš vstupenku, tak se od tud kliď</source>
        <translation>Yeah, and don&apos;t ask me to let you in. No ticket? Then get lost</translation>
    </message>
    <message>
        <source>Vstupenku nemám, ale já tam potřebuju, jsem tajný agent</source>
        <translation>I have no ticket, but I need to get in, I&apos;m a secret agent</translation>
    </message>
    <message>
        <source>Na to ti tak skočím, odejdi od sud, mám dost problémů</source>
        <translation>As if I&apos;d fall for that. Beat it, I&apos;ve got problems enough</translation>
    </message>
    <message>
        <source>Jaké problémy, rád vám pomůžu, výměnou za vstup do Baru</source>
        <translation>What problems? I&apos;d gladly help, in exchange for getting into the bar</translation>
    </message>
    <message>
        <source>Mám problém s motorkou, nemám palivo, kyselinu turbomotorovou, výborně hoří a používají ji bezdomovci, ale pokud...</source>
        <translation>My bike is out of fuel: turbo-engine acid. Burns like a dream, the homeless use it. But if I...</translation>
    </message>
    <message>
        <source>palivo neseženu, šéf mě zabije, asi mám vyhazov, kdyby jsi palivo našel a nalil do motorky, možná by ses dovnitř dostal</source>
        <translation>...don&apos;t get fuel, the boss will kill me, I&apos;m as good as fired. Find fuel, fill up my bike, and maybe you get in</translation>
    </message>
    <message>
        <source>Ty jsi počítač</source>
        <translation>You&apos;re a computer</translation>
    </message>
    <message>
        <source>ANO, SLYŠEL JSEM, ŽE JSI POMOHL HLIDACI, JSI DOBRÝ</source>
        <translation>YES. I HEAR YOU HELPED THE BOUNCER. YOU ARE GOOD</translation>
    </message>
    <message>
        <source>No pomohl, proto jsem tu, copak potřebuješ něco</source>
        <translation>Well, I did, that&apos;s why I&apos;m here. Need something?</translation>
    </message>
    <message>
        <source>JDI NA HORU PO SCHODECH A VE TŘETÍM POKOJI OD SCHODU JE NA STOLEČKU PAPÍR</source>
        <translation>GO UPSTAIRS. IN THE THIRD ROOM FROM THE STAIRS A PAPER LIES ON THE TABLE</translation>
    </message>
    <message>
        <source>No a co s ním!?!</source>
        <translation>And what do I do with it!?!</translation>
    </message>
    <message>
        <source>VEM HO A PŘEČTI SI HO, JE TAM UKOL, ALE !!!POZOR!!! NESMÍŠ VEJÍT DO JINÝCH</source>
        <translation>TAKE IT AND READ YOUR TASK. BUT !!!WARNING!!! DO NOT ENTER ANY OTHER</translation>
    </message>
    <message>
        <source>DVEŘÍ! KDYŽ VEJDEŠ DO JINÝCH DVEŘÍ, BUDEŠ MRTEV, UKOL MUSÍŠ SPLNIT</source>
        <translation>DOOR! ENTER ANY OTHER DOOR AND YOU DIE. THE TASK MUST BE DONE</translation>
    </message>
</context>
<context>
    <name>ConversationPlayer</name>
    <message>
        <source>Dále</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>INV</source>
        <translation>INV</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Hlavní Menu</source>
        <translation>Main Menu</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Nastavení…</source>
        <translation>Settings…</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Inventory</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Prohrál jsi, to vůbec nevadí, stačí si hru zahrát znovu a pečlivě číst dialogy</source>
        <translation>You lost. Never mind: just play the game again and read the dialogues carefully</translation>
    </message>
    <message>
        <source>Odštípl jsi železný předmět o podobě nějaké kredit karty z čepice</source>
        <translation>You chipped an iron thing shaped like a credit card off the cap</translation>
    </message>
    <message>
        <source>Zapálil jsi dynamit</source>
        <translation>You lit the dynamite</translation>
    </message>
    <message>
        <source>Povedlo se ti zapálit dříví bezdomovcovou zápalkou, těď mu tento Oheň jen dát</source>
        <translation>You lit the wood with the homeless guy&apos;s match. Now just give him this fire</translation>
    </message>
    <message>
        <source>Vytáhl jsi z mušle Vornu a najednou jses objevil v podivné místnosti!</source>
        <translation>You pulled the Vorna out of the shell and suddenly found yourself in a strange room!</translation>
    </message>
    <message>
        <source>Navštivte naše stránky pro získání nových her a informací</source>
        <translation>Visit our website for new games and news</translation>
    </message>
    <message>
        <source>Už jsem ti dal čip, tak jdi a neukazuj se tu, jo mimochodem díky za palivo</source>
        <translation>I already gave you the chip, so go and don&apos;t show your face here. Oh, and thanks for the fuel</translation>
    </message>
    <message>
        <source>nebyl vložen přístupový čip</source>
        <translation>No access chip inserted</translation>
    </message>
    <message>
        <source>Jdi splnit svůj úkol, přečti dopis!?!</source>
        <translation>Go and do your task, read the letter!?!</translation>
    </message>
    <message>
        <source>Dobře, ty jsi opravdu statečný a nyní splň úkol z dopisu</source>
        <translation>Well, you really are brave. Now do the task in the letter</translation>
    </message>
    <message>
        <source>Radši na horu nechoď, nejdřív promluv s Robotem na recepci, čeké tě těžký úkol</source>
        <translation>Better not go up yet. Talk to the Robot at reception first, a hard task awaits you</translation>
    </message>
    <message>
        <source>Tvůj úkol je splněn, nyní splň úkol, který je zapsán na tom dopise</source>
        <translation>Your task is done. Now do the task written in that letter</translation>
    </message>
    <message>
        <source>Nezapoměň, jen jedny dvěře jsou správné a máš jen jeden pokus, jinak je end</source>
        <translation>Don&apos;t forget: only one door is right, and you only get one go – get it wrong and it&apos;s THE END</translation>
    </message>
    <message>
        <source>Splnil jsi svůj úkol, získal jsi dopis</source>
        <translation>Task done: you got the letter</translation>
    </message>
    <message>
        <source>Takhle to nemůže fungovat</source>
        <translation>That&apos;s not going to work</translation>
    </message>
    <message>
        <source>Doplnil jsi palivo do motorky, získal jsi čip a můžeš dovnitř</source>
        <translation>You filled up the motorbike and got the chip: now you can go in</translation>
    </message>
    <message>
        <source>Vložil jsi čip a vcházíš dovnitř</source>
        <translation>You inserted the chip, and in you go</translation>
    </message>
    <message>
        <source>Takhle to nejde použít</source>
        <translation>You can&apos;t use it like that</translation>
    </message>
    <message>
        <source>Našel jsi úkryt toho bezdomovce, co byl na policii</source>
        <translation>You found the hideout of the homeless guy from the police station</translation>
    </message>
    <message>
        <source>Nemáš důvod tam jít, i když je to důležité, ještě někam zajdi a pak to zkus znovu, jak chceš!?!</source>
        <translation>No reason to go there yet, important as it is. Go somewhere else first, then try again, if you like!?!</translation>
    </message>
    <message>
        <source>je to postel od bezdomovce, který je právě na policejní stanici, ale ty mu máš snad něco sehnat!</source>
        <translation>It&apos;s the bed of the homeless guy now at the police station. Weren&apos;t you going to get him something?!</translation>
    </message>
    <message>
        <source>To nepůjde, ne</source>
        <translation>Nope, that won&apos;t work</translation>
    </message>
    <message>
        <source>Prohledal jsi skříňku a našel jsi nehořící výbušninu a nádrž benzínu</source>
        <translation>You searched the cabinet and found unlit explosives and a tank of petrol</translation>
    </message>
    <message>
        <source>Sice by to bouchlo, ale nezničilo by to dveře - Chce to něco silnějšího</source>
        <translation>It would go bang, but it wouldn&apos;t break the door – it needs something stronger</translation>
    </message>
    <message>
        <source>Výbušnina Bouchla a ty mnůžeš dovnitř</source>
        <translation>The explosives went BOOM and you can go in</translation>
    </message>
    <message>
        <source>Na koš, ani se nesnaž</source>
        <translation>On the bin? Don&apos;t even try</translation>
    </message>
    <message>
        <source>AŤ už tě tu nevidím</source>
        <translation>Get out of my sight</translation>
    </message>
    <message>
        <source>Vypadá to na nedávno vykradený Bazar, snad něco budou veďet na policii</source>
        <translation>Looks like a recently robbed second-hand shop. Maybe the police know something</translation>
    </message>
    <message>
        <source>Už tam nic není, hledáš jak můžeš, ale nic</source>
        <translation>Nothing left in there. You search and search, but nothing</translation>
    </message>
    <message>
        <source>Po dukladném prohledání koše si našel banánovou slupku</source>
        <translation>After a thorough search of the bin you found a banana – still in its skin</translation>
    </message>
    <message>
        <source>Je tam už jen hořící sud</source>
        <translation>There&apos;s only the burning barrel left</translation>
    </message>
    <message>
        <source>Našel jsi u sudu prázdnou odměrku</source>
        <translation>You found an empty measuring cup by the barrel</translation>
    </message>
    <message>
        <source>Nebude s tebou mluvit, asi proto, že se mu nelíbíš nebo nemáš nic co by chtěl, ještě to tu prozkoumej</source>
        <translation>He won&apos;t talk to you. Maybe he doesn&apos;t like you, or you have nothing he wants. Look around some more</translation>
    </message>
    <message>
        <source>Radši mu sežěň ty zápalky a dříví, jinak ti nedá tu hořlavinu</source>
        <translation>Better get him those matches and wood, or he won&apos;t give you the fuel</translation>
    </message>
    <message>
        <source>Dal jsi bezdomovci banán, ten ho snědl, ale na svém si trvá dále</source>
        <translation>You gave the homeless guy the banana. He ate it, but he still wants what he asked for</translation>
    </message>
    <message>
        <source>Dal jsi bezdomovci oheň, ten ti je moc vďečný a dovoluje ti nabrat si kyselinu</source>
        <translation>You gave the homeless guy the fire. He&apos;s very grateful and lets you take some acid</translation>
    </message>
    <message>
        <source>Nabral jsi do odměrky trochu kyseliny</source>
        <translation>You scooped some acid into the measuring cup</translation>
    </message>
    <message>
        <source>Zalil jsi květinu, ale moc jí to nepomohlo</source>
        <translation>You watered the flower, but it didn&apos;t help much</translation>
    </message>
    <message>
        <source>Tento předmět tady nejde použít</source>
        <translation>You can&apos;t use this item here</translation>
    </message>
    <message>
        <source>Jak chceš použít čepici na tlačítka</source>
        <translation>How are you going to use a cap on the buttons?</translation>
    </message>
    <message>
        <source>Po důkladnějším prozkoumání jsi našel nápis USAF a nějaké Made in Tšina</source>
        <translation>A closer look reveals the letters USAF and a &quot;Made in Chyna&quot;</translation>
    </message>
    <message>
        <source>Je zamčeno, měl bys najít klíč</source>
        <translation>It&apos;s locked, you should find a key</translation>
    </message>
    <message>
        <source>V bedně byl klíč, tak jsi ho vzal!?!</source>
        <translation>There was a key in the box, so you took it!?!</translation>
    </message>
    <message>
        <source>Bohužel, nebyla vložena startovní karta</source>
        <translation>Sorry, no start card inserted</translation>
    </message>
    <message>
        <source>Odemkl jsi dveře</source>
        <translation>You unlocked the door</translation>
    </message>
    <message>
        <source> Myslím, že tady to nepujde</source>
        <translation>I don&apos;t think that&apos;ll work here</translation>
    </message>
    <message>
        <source>Jak tohle chceš použít na jeskyni</source>
        <translation>How are you going to use that on a cave?</translation>
    </message>
    <message>
        <source>Zalogoval jses a loď nastartovala</source>
        <translation>You logged in and the ship started</translation>
    </message>
    <message>
        <source>Myslím, že by jsi měl z té čepice něčím odďelit tu železnou destičku, která ji drží pohromadě</source>
        <translation>I think you should use something to chip off the iron plate that holds that cap together</translation>
    </message>
    <message>
        <source>Co tím chceš docílit, nejde to</source>
        <translation>What are you trying to do? It won&apos;t work</translation>
    </message>
    <message>
        <source>Tak to nejde použít</source>
        <translation>That&apos;s no use here</translation>
    </message>
    <message>
        <source>Nemáš žádný důvod, respektive úkol, takže si ho obstarej - Nejlépe v Rock Baru</source>
        <translation>You have no reason, or rather no task, so go and get one – preferably at the Rock Bar</translation>
    </message>
    <message>
        <source>Je zamčeno a to hodně dobře</source>
        <translation>It&apos;s locked, and very well locked at that</translation>
    </message>
    <message>
        <source>Otevíráš dveře sponkou a vcházíš dovnitř</source>
        <translation>You picked the lock with the paper clip, and in you go</translation>
    </message>
    <message>
        <source>Ne, takhle to nelze použít</source>
        <translation>No, you can&apos;t use it like that</translation>
    </message>
    <message>
        <source>Je to sice správný klíč, ale byl vyměněn zámek, čím by se to dalo otevřít</source>
        <translation>It&apos;s the right key, but the lock has been changed. What else could open it?</translation>
    </message>
    <message>
        <source>Už tam nic není - Spona, klíč a disketa ti nestačí</source>
        <translation>Nothing left in there – a clip, a key and a diskette aren&apos;t enough for you?</translation>
    </message>
    <message>
        <source>Ve skříňce jsi našel sponku, klíč a disketu</source>
        <translation>In the cabinet you found a paper clip, a key and a diskette</translation>
    </message>
    <message>
        <source>Už nemáš co prohledat</source>
        <translation>There&apos;s nothing left to search</translation>
    </message>
    <message>
        <source>Důkladně jsi prohledal akvárium a něco jsi zjistil</source>
        <translation>You searched the aquarium thoroughly and found something out</translation>
    </message>
    <message>
        <source>Runtime ErroR: Prosím dones mi vornu a dej mi ji</source>
        <translation>Runtime ErroR: Please bring me the Vorna and give it to me</translation>
    </message>
    <message>
        <source>Děkuji - Zachránil jsi královský poklad i když vypadá trochu jinak je to ona, nyní jsem ti odblokoval startér pro teleport</source>
        <translation>Thank you – you saved the royal treasure. It looks a bit different, but it&apos;s the one. I&apos;ve unlocked the teleport starter for you</translation>
    </message>
    <message>
        <source>Nastartoval jsi teleport, teď už jen odejít</source>
        <translation>You started the teleport. Now just go</translation>
    </message>
    <message>
        <source>Teleport nebyl aktivován</source>
        <translation>Teleport not activated</translation>
    </message>
    <message>
        <source>Teleport byl aktivován</source>
        <translation>Teleport activated</translation>
    </message>
    <message>
        <source>Hru nejde uložit: složka pro uložené hry je jen pro čtení nebo plná. Hraješ dál bez ukládání.</source>
        <translation>The game cannot be saved: the folder for saved games is read-only or full. You play on without saving.</translation>
    </message>
    <message>
        <source>Uloženou hru nejde přečíst. Soubor zůstal schovaný jako %1.</source>
        <translation>The saved game cannot be read. The file is kept as %1.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Hudba</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Zvuky</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Ztlumit (M)</source>
        <translation>Mute (M)</translation>
    </message>
    <message>
        <source>Velikost</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Změní se při příštím spuštění.</source>
        <translation>Changes at the next start.</translation>
    </message>
    <message>
        <source>Jazyk</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Nové texty hned, vše při příštím spuštění.</source>
        <translation>New texts at once, everything at the next start.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Jsout to klíče od loďi</source>
        <translation>These are the ship&apos;s keys</translation>
    </message>
    <message>
        <source>Je to obyčejný banán</source>
        <translation>It&apos;s an ordinary banana</translation>
    </message>
    <message>
        <source>Malinkatý pavouček, snaží se ti utéct</source>
        <translation>A teeny-tiny spider, trying to run away from you</translation>
    </message>
    <message>
        <source>je to houba, je mokrá asi deštová voda</source>
        <translation>It&apos;s a sponge, wet, probably with rainwater</translation>
    </message>
    <message>
        <source>Hořící zápalka</source>
        <translation>A burning match</translation>
    </message>
    <message>
        <source>přístupový čip do Rock Baru</source>
        <translation>Access chip for the Rock Bar</translation>
    </message>
    <message>
        <source>Notebook s podivným systémem, možná tajné materiály</source>
        <translation>A laptop with a strange system, maybe secret files</translation>
    </message>
    <message>
        <source>Dopis, je na něm něco napsáno, snad by si to měl přečíst</source>
        <translation>A letter with something written on it. Maybe you should read it</translation>
    </message>
    <message>
        <source>kancelářská sponka</source>
        <translation>A paper clip</translation>
    </message>
    <message>
        <source>Zlatý klíč od nějakých dveří</source>
        <translation>A golden key to some door</translation>
    </message>
    <message>
        <source>Disketa s nápisem Hry</source>
        <translation>A diskette labelled Games</translation>
    </message>
    <message>
        <source>Je to mušle a uvnitř je vorna!</source>
        <translation>It&apos;s a shell, and the Vorna is inside!</translation>
    </message>
    <message>
        <source>Vorna, která by mohla nahradit tu ztracenou prezidentovu</source>
        <translation>A Vorna that could replace the president&apos;s lost one</translation>
    </message>
    <message>
        <source>Nezápalená výbušnina</source>
        <translation>Unlit explosives</translation>
    </message>
    <message>
        <source>Je to nějaké dřevo, možná, že po zapálení by výborně hořelo nebo může sloužit k odštípnutí nějakého předmětu</source>
        <translation>Some wood. Lit, it might burn nicely, or it could help you chip something off</translation>
    </message>
    <message>
        <source>Je to hořící dřívko, které chtěl ten bezdomovec</source>
        <translation>The burning stick the homeless guy wanted</translation>
    </message>
    <message>
        <source>Je to pravá VEX baseballová čepice, vytvořená z plátná a krytá v zadu nějakou železnou destičkou</source>
        <translation>A genuine VEX baseball cap, made of canvas, with some iron plate covering the back</translation>
    </message>
    <message>
        <source>Je to železný předmět v podobě kredtit karty, snad ji budeš ještě potřebovat - zajímavé</source>
        <translation>An iron thing shaped like a credit card. You may need it yet – interesting</translation>
    </message>
    <message>
        <source>Prázdná odměrka, ale je z ní cítit nějaká hořlavina, snad by si ji měl najít</source>
        <translation>An empty measuring cup that smells of something flammable. Maybe you should find some</translation>
    </message>
    <message>
        <source>Odměrka s poďivně zbarvenou kyselinou</source>
        <translation>A measuring cup of strangely coloured acid</translation>
    </message>
    <message>
        <source>Dveře, ale které jsou správné</source>
        <translation>A door – but is it the right one?</translation>
    </message>
    <message>
        <source>Hlídač Rock baru, se značkovým trikem a značkovou motorkou</source>
        <translation>The Rock Bar&apos;s bouncer, with a designer T-shirt and a designer motorbike</translation>
    </message>
    <message>
        <source>Motorka,hlídačova</source>
        <translation>The bouncer&apos;s motorbike</translation>
    </message>
    <message>
        <source>dveře do Rock Baru</source>
        <translation>The door of the Rock Bar</translation>
    </message>
    <message>
        <source>Rock bar</source>
        <translation>Rock Bar</translation>
    </message>
    <message>
        <source>Notebook s podivným systémem, určitě s nějakými informacemi</source>
        <translation>A laptop with a strange system, surely full of information</translation>
    </message>
    <message>
        <source>Recepční počítač a vypadá, že ti může poskytnout informace</source>
        <translation>The reception computer. It looks like it could tell you things</translation>
    </message>
    <message>
        <source>Stůl s nápisem Recepce a Rock Bar</source>
        <translation>A desk that says Reception and Rock Bar</translation>
    </message>
    <message>
        <source>Východ před Bar</source>
        <translation>The way out to the street</translation>
    </message>
    <message>
        <source>Šipka, která ukazuje směr Recepce tohoto Baru</source>
        <translation>An arrow pointing to this bar&apos;s reception</translation>
    </message>
    <message>
        <source>Schody do prvního poschodí, asi k pokojům</source>
        <translation>Stairs to the first floor, probably to the rooms</translation>
    </message>
    <message>
        <source>Skříňka, (noční stolek) na kterém leží dopis s úkolem</source>
        <translation>A cabinet (bedside table) with the letter holding your task</translation>
    </message>
    <message>
        <source>Vidíš Vchod do velkého Hradu</source>
        <translation>You see the entrance to the big castle</translation>
    </message>
    <message>
        <source>Vidíš velkou a vysokou hradní věž</source>
        <translation>You see a big, tall castle tower</translation>
    </message>
    <message>
        <source>Hard a Hradní okna</source>
        <translation>The castle and its windows</translation>
    </message>
    <message>
        <source>Je to obraz některého z bývalých panovníků</source>
        <translation>A portrait of some former ruler</translation>
    </message>
    <message>
        <source>Ani zdaleka netušíš, co to může být, ale asi starověký nástroj</source>
        <translation>You haven&apos;t the faintest idea what it is. Some ancient instrument, probably</translation>
    </message>
    <message>
        <source>Vypadá to na rozcestník, ale je to psáno nějakou podivnou řečí</source>
        <translation>Looks like a signpost, but it&apos;s written in some strange language</translation>
    </message>
    <message>
        <source>Pavučina</source>
        <translation>A cobweb</translation>
    </message>
    <message>
        <source>Jít nalevo, snad tam něco zajímavého bude</source>
        <translation>Go right, maybe there&apos;s something interesting there</translation>
    </message>
    <message>
        <source>je to malinkatý pavouček, možná že se bude někdy hodit</source>
        <translation>A teeny-tiny spider. It might come in handy some day</translation>
    </message>
    <message>
        <source>Je to houba napuštěná vodou, snad by se dala použít třeba na zalévání kytiček</source>
        <translation>A sponge soaked with water. Maybe good for watering the flowers</translation>
    </message>
    <message>
        <source>Je to zápalka, ta zápalka hoří, prostě hoří</source>
        <translation>It&apos;s a match. The match is burning. It just burns</translation>
    </message>
    <message>
        <source>Je to postel od bezdomovce, který je právě na policejní stanici, ale ty mu máš snad něco sehnat!</source>
        <translation>It&apos;s the bed of the homeless guy now at the police station. Weren&apos;t you going to get him something?!</translation>
    </message>
    <message>
        <source>Jsou to obyčejné starodávné obrazy, asi nějací bratři</source>
        <translation>Just some old paintings. Brothers, by the look of it</translation>
    </message>
    <message>
        <source>Pavučiny</source>
        <translation>Cobwebs</translation>
    </message>
    <message>
        <source>Je to část města, obyčejné paneláky</source>
        <translation>Part of town, ordinary tower blocks</translation>
    </message>
    <message>
        <source>je to panelový dům, nebudeš potřebovat ho nikdy navštívit</source>
        <translation>A block of flats. You&apos;ll never need to visit it</translation>
    </message>
    <message>
        <source>Obyčejný panelák</source>
        <translation>An ordinary block of flats</translation>
    </message>
    <message>
        <source>Policejní stanice</source>
        <translation>Police Station</translation>
    </message>
    <message>
        <source>Zřícený Hrad</source>
        <translation>Castle Ruin</translation>
    </message>
    <message>
        <source>Bar rock</source>
        <translation>Rock Bar</translation>
    </message>
    <message>
        <source>Prezidentova Vila</source>
        <translation>President&apos;s Villa</translation>
    </message>
    <message>
        <source>Hodně silně zabezpečené dveře, asi se nedají jen tak odemknout</source>
        <translation>A heavily secured door. It won&apos;t just unlock, it seems</translation>
    </message>
    <message>
        <source>maják</source>
        <translation>Lighthouse</translation>
    </message>
    <message>
        <source>Skřínka, něco v ní je, ale je dobře zamčená</source>
        <translation>A cabinet with something inside, but it&apos;s locked tight</translation>
    </message>
    <message>
        <source>Lavice</source>
        <translation>A bench</translation>
    </message>
    <message>
        <source>Okna</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Je to zeď, na které jsou hodně nehezká slova, ještě že nejdou všechna přečíst</source>
        <translation>A wall with very rude words on it. Good thing you can&apos;t read them all</translation>
    </message>
    <message>
        <source>vypadá to na sprosté nápisy</source>
        <translation>Looks like rude graffiti</translation>
    </message>
    <message>
        <source>Vypadá to, že byl tenhle obchod vykradený</source>
        <translation>Looks like this shop has been robbed</translation>
    </message>
    <message>
        <source>Budova Policie</source>
        <translation>The police building</translation>
    </message>
    <message>
        <source>obyčejný východ ven, před tuto stanici</source>
        <translation>Just the way out, to the front of the station</translation>
    </message>
    <message>
        <source>Květina, ale trochu bez květů</source>
        <translation>A flower, if a somewhat flowerless one</translation>
    </message>
    <message>
        <source>Je tam napsáno WanteD, co to asi znamená</source>
        <translation>It says WanteD. What could that mean?</translation>
    </message>
    <message>
        <source>Je to jeden z policistů této stanice</source>
        <translation>One of this station&apos;s police officers</translation>
    </message>
    <message>
        <source>Je to jeden z nejlepších, úžasných vynálezů - Odpadkový koš, ale pozor, něco v něm je</source>
        <translation>One of the greatest, most amazing inventions – the Rubbish Bin. But look, there&apos;s something in it</translation>
    </message>
    <message>
        <source>Vchod k bezdomovcům drženým na policii</source>
        <translation>The way to the homeless men the police are holding</translation>
    </message>
    <message>
        <source>Je to bedna, ze které vychází podivný zápach a ten bezdomovec si ji nějak obvzlášť hlídá</source>
        <translation>A crate giving off a strange smell, and the homeless guy guards it very closely</translation>
    </message>
    <message>
        <source>Sud a v něm hoří podivná chemikálie</source>
        <translation>A barrel with some strange chemical burning in it</translation>
    </message>
    <message>
        <source>Nějaká stará zřícená raketa</source>
        <translation>Some old crashed rocket</translation>
    </message>
    <message>
        <source>Jsou to dveře</source>
        <translation>It&apos;s a door</translation>
    </message>
    <message>
        <source>Je to obyčejná rostlinka</source>
        <translation>An ordinary little plant</translation>
    </message>
    <message>
        <source>Je to nějaká strará jeskyně</source>
        <translation>Some old cave</translation>
    </message>
    <message>
        <source>Je to vchod do jeskyně</source>
        <translation>The entrance to the cave</translation>
    </message>
    <message>
        <source>Je to skříňka, a vypadá to, že v ní něco je!?!</source>
        <translation>A box, and it looks like there&apos;s something in it!?!</translation>
    </message>
    <message>
        <source>je to něco do čeho se vkládádá karta pro start loďi</source>
        <translation>Something you put the ship&apos;s start card into</translation>
    </message>
    <message>
        <source>Stačí stisknout a letí se</source>
        <translation>Just press it and off you go</translation>
    </message>
    <message>
        <source>jsi v nějaké jeskyni, ale nic moc tu není, jen nějaká skříňka</source>
        <translation>You&apos;re in some cave, but there&apos;s not much here, just a box</translation>
    </message>
    <message>
        <source>Dveře, do menší budovy vily</source>
        <translation>The door to the villa&apos;s smaller building</translation>
    </message>
    <message>
        <source>Hodně silné a pevné dveře, na ty jen ten nejlepší klíč, nebo něco jiného!?!</source>
        <translation>A very strong, solid door. Only the best key will do, or something else!?!</translation>
    </message>
    <message>
        <source>Skříňka, ve které jsou skaladované tajné materiály</source>
        <translation>A cabinet where secret files are kept</translation>
    </message>
    <message>
        <source>tabule s nápisem President´s tower</source>
        <translation>A sign saying President&apos;s tower</translation>
    </message>
    <message>
        <source>Skříňka s nápisem klíče</source>
        <translation>A cabinet labelled Keys</translation>
    </message>
    <message>
        <source>Akvárium a uvnitř je hezká mušle</source>
        <translation>An aquarium with a pretty shell inside</translation>
    </message>
    <message>
        <source>Vypadá to jako ty mušličky, co v sobě mají schovanou vornu</source>
        <translation>Looks like one of those little shells with a Vorna hidden inside</translation>
    </message>
    <message>
        <source>Prezident, vždyť je to počítač</source>
        <translation>The president? Why, he&apos;s a computer!</translation>
    </message>
    <message>
        <source>Teleport, snad tě teleportuje někam daleko</source>
        <translation>A teleport. Maybe it&apos;ll teleport you somewhere far away</translation>
    </message>
    <message>
        <source>Zámek pro nastartování teleportu</source>
        <translation>The keyhole that starts the teleport</translation>
    </message>
    <message>
        <source>Použít sponu na odemknutí dveří</source>
        <translation>Use the clip to unlock the door</translation>
    </message>
</context>
<context>
    <name>credits</name>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>dopisek</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>first</name>
    <message>
        <source>Uvádí adventuru</source>
        <translation>proudly presents</translation>
    </message>
</context>
<context>
    <name>intro</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>load</name>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>Nová Hra</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Intro a úkol hry</source>
        <translation>Intro and Mission</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Pokračovat</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Automaticky</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nastavení - Zur ev Edivu</source>
        <translation>Settings - Zur ev Edivu</translation>
    </message>
</context>
</TS>
