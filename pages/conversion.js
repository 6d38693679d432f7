// The script the conversion pages share: the input check, the rounding, the conversion through
// the base unit and the reset. The page files keep the bytes they always had, and those come
// in two writings: "allman" (braces on their own line, four-space indent, form elements
// reached through .elements) and "kr" (braces at the line end, two spaces). Which page takes
// which writing and which functions is in the page table of CMakeLists.txt; a page template
// names functions by a line "@name name ...@". A section runs from its "//@ writing name" line
// to the next one; a "both" section is written allman and laid out anew for kr pages
// (assemble.cmake), as the two writings of checkNum and of resetAll differ only in layout.
// "@data@" stands for the page's measures object.

//@ both checkNum
function checkNum(str)
{
    var i, ch;
    for (i = 0; i < str.length; i++) {
        ch = str.charAt(i);
        if (ch != "." && ch != "+" && ch != "-" && ch != "e" && ch != "E" &&
            (ch < "0" || ch > "9")) {
            alert("请输入有效的数字");
            return false;
        }
    }
    return true;
}

//@ allman normalize
// Rounds to digits - 1 places after the point, half up on the next digit.
function normalize(what, digits)
{
    var text = "" + what;
    var mant, expo, point, pos, i, neg, whole;
    if (text.indexOf(".") < 0)
        return text;
    i = text.indexOf("e");
    if (i < 0) {
        mant = text;
        expo = "";
    } else {
        mant = text.substring(0, i);
        expo = text.substring(i);
    }
    point = mant.indexOf(".");
    pos = point + digits;
    if (pos >= mant.length)
        return text;
    if (mant.charAt(pos) < "5")
        return mant.substring(0, pos) + expo;
    i = pos - 1;
    while (i > point && mant.charAt(i) == "9")
        i--;
    if (i > point)
        return mant.substring(0, i) + (parseInt(mant.charAt(i), 10) + 1) + expo;
    // The carry ran through the point: only the whole part is left.
    neg = mant.charAt(0) == "-";
    whole = parseInt(mant.substring(neg ? 1 : 0, point), 10) + 1;
    if (expo != "" && whole == 10)
        return (neg ? "-" : "") + "1e" + (parseInt(expo.substring(1), 10) + 1);
    return (neg ? "-" : "") + whole + expo;
}

//@ allman compute
function compute(obj, val, data)
{
    var str = obj.elements[val].value;
    var u, name;
    if (str == "")
        return;
    u = Number(str) * data[val];
    // -0 shows as 0 everywhere.
    if (u >= 0 && str.charAt(0) == "-")
        u = -u;
    for (name in data)
        obj.elements[name].value = normalize(u / data[name], 8);
}

//@ allman resetValues
function resetValues(form, data)
{
    var name;
    for (name in data)
        form.elements[name].value = "";
}

//@ both resetAll
function resetAll(form)
{
    resetValues(form, @data@);
}

//@ kr normalize
// Keeps at most digits - 1 places after the point, half up on the next digit alone.
function normalize(what, digits) {
  var str = "" + what;
  var point = str.indexOf(".");
  if (point == -1) {
    return str;
  }
  var epos = str.indexOf("e");
  var mant = str;
  var expo = "";
  if (epos != -1) {
    mant = str.substring(0, epos);
    expo = str.substring(epos);
  }
  var pos = point + digits;
  if (pos >= mant.length) {
    return str;
  }
  if (mant.charAt(pos) <= "4") {
    return mant.substring(0, pos) + expo;
  }
  var i = pos - 1;
  while (i > point && mant.charAt(i) == "9") {
    i--;
  }
  if (i > point) {
    return mant.substring(0, i) + (parseInt(mant.charAt(i), 10) + 1) + expo;
  }
  // Every kept decimal was 9: the carry goes into the whole part.
  var sign = "";
  var whole = mant.substring(0, point);
  if (whole.charAt(0) == "-") {
    sign = "-";
    whole = whole.substring(1);
  }
  var w = parseInt(whole, 10) + 1;
  if (expo != "" && w == 10) {
    return sign + "1e" + (parseInt(expo.substring(1), 10) + 1);
  }
  return sign + w + expo;
}

//@ kr compute
// Goes through the base unit: one multiplication, then one division per field.
function compute(obj, val, data) {
  var str = obj[val].value;
  if (str == "") {
    return;
  }
  var base = Number(str) * data[val];
  if (base >= 0 && str.charAt(0) == "-") {
    base = -base;
  }
  for (var name in data) {
    obj[name].value = normalize(base / data[name], 8);
  }
}

//@ kr resetValues
function resetValues(form, data) {
  for (var name in data) {
    form[name].value = "";
  }
}
