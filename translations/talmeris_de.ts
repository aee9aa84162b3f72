<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CameraTips</name>
    <message>
        <source>How strong the flash is at night; Low saves battery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast shows moving animals sharper; Normal lets in more light.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many photos the camera takes each time it is triggered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which photo of a burst the camera sends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pause between the photos of a burst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What makes the camera take pictures: the motion sensor (PIR), a fixed schedule, or both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How readily the motion sensor reacts; High also notices small or distant animals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the camera rests after a picture before the motion sensor may trigger it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often the camera takes a picture on its schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On: when the card is full, new pictures replace the oldest ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the camera&apos;s own menus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On: the camera works only in this window&apos;s hours and days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the window begins each day; a Stop before Start runs past midnight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the window ends each day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every day of the week.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Sets up a Talmeris cellular trail camera: the picture, schedule, sending,
recipient, mobile-operator and sender-account settings. It checks them and
writes them as %1 (%2 bytes) into the folder you choose, normally the
top folder of the camera&apos;s SD card.

Each save also keeps a working copy, %3 (%4 bytes, readable by
you only), in the temporary folder ($TMPDIR, else /tmp); the next start
opens with the settings it holds. A durable copy of the same bytes in
your data folder stands in when the temporary folder has been emptied.
Both hold the password of the sender account: &quot;Default All&quot; deletes them.

FILE, when given, is a PROFILE.BIN or a working copy whose settings the
tool opens; nothing is written until you press OK.

talmeris-profile reads a card&apos;s settings back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A PROFILE.BIN or working copy to open (optional).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TalmerisSetup opens one file at a time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>Octet %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperatorTips</name>
    <message>
        <source>The address of your operator&apos;s MMS centre (MMSC), as your operator gives it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MMS proxy (gateway) address your operator gives, four numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The access point name (APN) your operator gives for MMS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MMS proxy&apos;s port, as your operator gives it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave empty unless your operator gives one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The access point name (APN) your operator gives for mobile internet, which e-mail uses.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageTips</name>
    <message>
        <source>On: the camera sends each photo or video as soon as it takes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many photos or videos the camera sends this way, 0 to 99; 0 means no limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On: the camera sends a daily report at the time beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time of day (hour : minute) the camera sends its daily report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send photos and videos by MMS to the phone numbers below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send photos and videos by e-mail to the addresses below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The e-mail account the camera sends from: choose your provider and type its login.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How large the pictures sent by e-mail are; small ones go out faster and cost less data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A phone number of 4 to 15 digits that receives the camera&apos;s pictures by MMS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone whose SMS commands the camera obeys, 4 to 15 digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An e-mail address, at most 47 characters, that receives the camera&apos;s pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country of the camera&apos;s SIM card; &quot;Customer&quot; holds three operators of your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mobile operator of the camera&apos;s SIM card; choose &quot;Customer&quot; when yours is not listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the MMS and mobile-internet settings your operator gives you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For your own operator only: choose &quot;Customer&quot; at the end of the Operator list, or the Country &quot;Customer&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lets the camera obey SMS commands from the Command Phone: all day, or between Start and Stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hour from which the camera obeys SMS commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hour until which the camera obeys SMS commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On: the camera carries the name beside it, so you can tell your cameras apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera&apos;s name: up to 8 letters and digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo, video, motion sensor and work-time settings of the camera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put every setting back to its default; you are asked first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The top folder of the camera&apos;s SD card, where PROFILE.BIN is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the top folder of the camera&apos;s SD card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the settings and write PROFILE.BIN onto the card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the tool without saving.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SenderTips</name>
    <message>
        <source>The mail service the camera sends from; &quot;Default&quot; is empty in this tool, so choose yours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address the camera&apos;s e-mails come from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The login name of that account, often the address itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gmail, yahoo and hotmail refuse your ordinary password from the camera:
turn on two-step verification and type an app password made for the camera.
Google: &quot;Sign in with app passwords&quot;, support.google.com/mail/answer/185833
Yahoo: &quot;Generate and manage 3rd-party app passwords&quot;, help.yahoo.com
Microsoft: your account&apos;s security settings, &quot;App passwords&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server that sends the camera&apos;s e-mails, as your provider names it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the connection to that server is protected, as your provider says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s port number, as your provider says.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
